// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring.h"
#include <algorithm>
#include <array>
#include <climits>

namespace scoring {

std::optional<Game> GameOf(int testMode)
{
    if (testMode < 0 || testMode >= kGameCount)
        return std::nullopt;
    return Game(testMode);
}

QString GameTitle(int testMode)
{
    static const std::array<const char16_t *, kGameCount> titles = {
        u"单词认认看", u"单词选选看", u"单词翻翻看", u"单词听听看", u"字母填填看", u"单词排排看", u"单词默写"};
    if (!GameOf(testMode))
        return QString();
    return QString::fromUtf16(titles[size_t(testMode)]);
}

qint64 PointsForRight(int testMode, qsizetype letters)
{
    // the spelling games pay by word length
    return IsLetterGame(testMode) ? 5LL * letters : 10LL;
}

qsizetype SpelledLetters(const QString &shown, const QString &key)
{
    const QString &spelling = shown.trimmed().isEmpty() ? key : shown;
    return std::count_if(spelling.cbegin(), spelling.cend(), [](QChar c) { return c.isLetter(); });
}

qint64 ResultPoints(int right)
{
    return qint64(right) * 10;
}

int CorrectRatio(int right, int words)
{
    if (words <= 0 || right <= 0)
        return 0;
    // whole numbers: 29 of 50 is 58, where floating point gave 57
    return int((100LL * right) / words);
}

int CoinsForResult(int testMode, int ratio)
{
    if (ratio != kFullRatio)
        return 0;
    return IsLetterGame(testMode) ? 3 : 1;
}

int AddClamped(int total, qint64 gain)
{
    return int(std::clamp<qint64>(qint64(total) + gain, INT_MIN, INT_MAX));
}

} // namespace scoring
