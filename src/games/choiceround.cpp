// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "choiceround.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"

void ChoiceRound::Start(ClassUnit *unit)
{
    Start(unit, scoring::GameOf(gTestMode).value_or(scoring::Game::Recognise));
}

void ChoiceRound::Start(ClassUnit *unit, scoring::Game game)
{
    m_words.Start(unit, game);
    m_ans.assign(kSlots + 1, -1);
    m_count = 0;
}

bool ChoiceRound::NextWord()
{
    m_ans.assign(kSlots + 1, -1);
    m_count = 0;
    if (!m_words.NextWord())
        return false;
    m_count = Unit()->GetAnsArr(TestWordId(), m_ans);
    return true;
}

CWord *ChoiceRound::Choice(int slot) const
{
    if (!Unit() || slot < 0 || slot >= m_count || size_t(slot + 1) >= m_ans.size())
        return nullptr;
    CWord *w = nullptr;
    return Unit()->GetWordByID(m_ans[size_t(slot + 1)], w) ? w : nullptr;
}

bool ChoiceRound::IsRight(int slot) const
{
    const CWord *c = Choice(slot);
    return c && TestWord() && c->UserEN == TestWord()->UserEN;
}

ChoiceRound::Outcome ChoiceRound::Answer(int slot)
{
    if (!m_words.Asking() || !TestWord() || !Choice(slot))
        return Outcome::Ignored;
    const bool right = IsRight(slot);
    m_words.Answer(right ? answers::Answer::Right : answers::Answer::Wrong);
    // a wrong answer's mark runs before the next try
    m_words.SetBusy();
    return right ? Outcome::Right : Outcome::Wrong;
}
