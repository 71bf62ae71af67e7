// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewgrading.h"
#include "wordbank/scoring.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include "wordbank/reviewday.h"
#include "wordbank/reviewround.h"

namespace reviewgrading {
namespace {
ReviewRound g_round;
const ClassUnit *g_unit = nullptr;
int g_game = -1;

// The round's status of a word: 1 right, -1 wrong, 2 answer shown; the
// first outcome stays until the next round.
bool Outcome(int status, AnswerOutcome &out)
{
    switch (status) {
    case 1:
        out = AnswerOutcome::Right;
        return true;
    case -1:
        out = AnswerOutcome::Wrong;
        return true;
    case 2:
        out = AnswerOutcome::RightAfterHelp;
        return true;
    default:
        return false;
    }
}
} // namespace

void Reset()
{
    g_round.Begin();
    g_unit = nullptr;
    g_game = -1;
}

void AfterAnswer()
{
    if (!gUser || !gCurrUnit || gTestMode < 0 || gTestMode >= scoring::kGameCount)
        return;
    const ReviewTrack track = TrackOfGame(gTestMode);
    // a word graded this round that is unasked again: a new round began
    bool fresh = g_unit != gCurrUnit || g_game != gTestMode;
    for (int i = 1; i <= gCurrUnit->WordNum() && !fresh; ++i) {
        CWord *w = nullptr;
        fresh = gCurrUnit->GetWord(i, w) && w && w->myTestedStatus == 0 && g_round.Graded(w->English, track);
    }
    if (fresh) {
        g_round.Begin();
        g_unit = gCurrUnit;
        g_game = gTestMode;
    }
    const int today = reviewday::Today();
    for (int i = 1; i <= gCurrUnit->WordNum(); ++i) {
        CWord *w = nullptr;
        AnswerOutcome o;
        if (gCurrUnit->GetWord(i, w) && w && Outcome(w->myTestedStatus, o))
            g_round.Answer(gUser->Reviews(), w->English, track, o, today);
    }
}
} // namespace reviewgrading
