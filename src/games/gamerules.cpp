// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamerules.h"
#include <cmath>

namespace gamerules {

QString RankCaption(int coins)
{
    struct Rank {
        int from;
        const char16_t *name;
    };
    // clang-format off
    static const Rank ranks[] = {{5000, u"大将"}, {2000, u"少将"}, {1000, u"上校"}, {500, u"中校"},
                                 {200, u"少校"},  {100, u"上尉"},  {50, u"中尉"},   {20, u"少尉"},
                                 {5, u"上士"}};
    // clang-format on
    QString name = QStringLiteral("新兵");
    for (const Rank &r : ranks) {
        if (coins >= r.from) {
            name = QString::fromUtf16(r.name);
            break;
        }
    }
    return QStringLiteral("军衔：") + name;
}

QString ResultScoreText(int coins, int right)
{
    return EarnedText(coins, scoring::ResultPoints(right));
}

QString EarnedText(int coins, qint64 points)
{
    return QStringLiteral("恭喜你获得") + QString::number(coins) + QStringLiteral("个金币,积")
           + QString::number(points) + QStringLiteral("分");
}

QString EarlyExitQuestion(int untested, int words)
{
    if (untested <= 0 || untested >= words)
        return QString();
    return QStringLiteral("游戏还有") + QString::number(untested)
           + QStringLiteral("个单词没有完成，提前结束要扣一个金币喔！你确定现在要结束吗?");
}

ExitDecision DecideEarlyExit(int untested, int words, int coins, bool confirmed)
{
    if (EarlyExitQuestion(untested, words).isEmpty())
        return {true, coins};
    if (!confirmed)
        return {false, coins};
    return {true, coins > 1 ? coins - 1 : coins};
}

ResultChoice ChooseAfterResult(int userSelect, int testMode, int firstUnfinished, bool bOK)
{
    switch (userSelect) {
    case 0:
        return {AfterResult::Return, -1};
    case 1:
        return {AfterResult::Start, testMode};
    case 2:
        if (testMode < kGameCount - 1)
            return {AfterResult::Start, testMode + 1};
        if (firstUnfinished == scoring::kAllGamesDone)
            return bOK ? ResultChoice{AfterResult::Congratulate, -1} : ResultChoice{AfterResult::Choose, -1};
        return {AfterResult::Start, firstUnfinished};
    default:
        return {AfterResult::Choose, -1};
    }
}

bool SlideSteps::Tick()
{
    if (Done())
        return false;
    ++m_done;
    return !Done();
}

QPoint SlideSteps::Pos() const
{
    if (Done())
        return m_to;
    const double f = double(m_done) / kSteps;
    return QPoint(int(std::lround(m_from.x() + (m_to.x() - m_from.x()) * f)),
                  int(std::lround(m_from.y() + (m_to.y() - m_from.y()) * f)));
}

} // namespace gamerules
