// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <array>

// How well a word is known, from its score; also the filter of a selection
// (All: no filter). Windows show the label, logic uses the value.
enum class WordCategory {
    All,
    OftenWrong,
    Practising,
    WellKnown,
    Untested
};

// In the order the record window offers them.
inline constexpr std::array<WordCategory, 5> kWordCategories{WordCategory::All, WordCategory::OftenWrong,
                                                             WordCategory::Practising, WordCategory::WellKnown,
                                                             WordCategory::Untested};

inline QString CategoryLabel(WordCategory category)
{
    switch (category) {
    case WordCategory::All:
        return QStringLiteral("全部");
    case WordCategory::OftenWrong:
        return QStringLiteral("常出错的");
    case WordCategory::Practising:
        return QStringLiteral("正在练习");
    case WordCategory::WellKnown:
        return QStringLiteral("很熟悉的");
    case WordCategory::Untested:
        return QStringLiteral("尚未练习");
    }
    return QString();
}

// The category of a word's score (never All).
inline WordCategory CategoryOfScore(int testResult)
{
    if (testResult == 0)
        return WordCategory::Untested;
    if (testResult < -6)
        return WordCategory::OftenWrong;
    if (testResult > 6)
        return WordCategory::WellKnown;
    return WordCategory::Practising;
}
