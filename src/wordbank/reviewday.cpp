// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewday.h"
#include <QtGlobal>

namespace reviewday {
namespace {
std::optional<int> g_testDay;
}

int DayOf(const QDateTime &local)
{
    return int(local.addSecs(-kDayStartHour * 3600).date().toJulianDay());
}

QDate DateOf(int day)
{
    return QDate::fromJulianDay(day);
}

int Today()
{
    if (g_testDay)
        return *g_testDay;
    // lets a demonstration or a parent's check move the calendar without
    // touching the system clock
    const QDate pinned = QDate::fromString(qEnvironmentVariable("TALLIVO_TODAY").trimmed(), Qt::ISODate);
    if (pinned.isValid())
        return int(pinned.toJulianDay());
    return DayOf(QDateTime::currentDateTime());
}

void SetTodayForTest(std::optional<int> day)
{
    g_testDay = day;
}

} // namespace reviewday
