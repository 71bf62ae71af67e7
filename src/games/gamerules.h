// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of the games window apart from pixels: ranks, the result text,
// the question before a started game is left, and where the result window's
// choice leads. Points, coins, ratios and titles are the word bank's scoring.
#include "wordbank/scoring.h"
#include <QPoint>
#include <QPointF>
#include <QString>

namespace gamerules {

using scoring::CoinsForResult;
using scoring::CorrectRatio;
using scoring::GameTitle;
using scoring::IsLetterGame;
using scoring::IsPerfect;
using scoring::kGameCount;
using scoring::kNoGame;

// "军衔：新兵" ... "军衔：大将" for a coin count.
QString RankCaption(int coins);

// "恭喜你获得<coins>个金币,积<points>分"
QString EarnedText(int coins, qint64 points);
// The same with ten points per right word.
QString ResultScoreText(int coins, int right);

// The question before a started, unfinished game is left; "" when none is
// asked (nothing answered yet, or every word done).
QString EarlyExitQuestion(int untested, int words);
struct ExitDecision {
    bool leave = true; // the game may be left
    int coinsLeft = 0;
};
// confirmed: the learner's OK to the question (ignored when none is asked).
// Leaving costs one coin, but never a learner's last one.
ExitDecision DecideEarlyExit(int untested, int words, int coins, bool confirmed);

// What follows the result window.
enum class AfterResult {
    Return,       // the games window closes
    Start,        // game `game` starts
    Congratulate, // "恭喜你闯关成功！", then the games window closes
    Choose,       // no game starts; the learner picks one
};
struct ResultChoice {
    AfterResult what = AfterResult::Choose;
    int game = -1;
};
// userSelect: 0 return, 1 the same game, 2 the next game. firstUnfinished is
// the unit's IsAllCompleted() after this result was recorded.
ResultChoice ChooseAfterResult(int userSelect, int testMode, int firstUnfinished, bool bOK);

// A slide of kSteps counted steps from one place to another; the last step
// lands exactly on the target, so a slide always ends.
class SlideSteps {
public:
    static constexpr int kSteps = 10;
    static constexpr int kStepMs = 20;

    SlideSteps() = default;
    SlideSteps(QPoint from, QPoint to) : m_from(from), m_to(to) {}

    // One step; false once the target has been reached.
    bool Tick();
    QPoint Pos() const;
    bool Done() const { return m_done >= kSteps; }
    int StepsDone() const { return m_done; }

private:
    QPoint m_from, m_to;
    int m_done = 0;
};

} // namespace gamerules
