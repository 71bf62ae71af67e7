// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDate>
#include <QDateTime>
#include <optional>

// Review days: a day starts at 04:00 local time, so practice after midnight
// counts for the evening before. Days are Julian day numbers.
namespace reviewday {

inline constexpr int kDayStartHour = 4;

int DayOf(const QDateTime &local);
QDate DateOf(int day);
// Today: a test's override, else $TALLIVO_TODAY (yyyy-MM-dd), else the clock.
int Today();
// Tests pin the day; nullopt goes back to the clock.
void SetTodayForTest(std::optional<int> day);

} // namespace reviewday
