#include "choiceround.h"
#include "gamerules.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"

void ChoiceRound::Start(ClassUnit *unit)
{
    m_unit = unit;
    m_word = nullptr;
    m_wordId = -1;
    m_ans.assign(kSlots + 1, -1);
    m_count = 0;
    m_state = State::Idle;
    if (m_unit)
        m_unit->InitTestStatus();
}

bool ChoiceRound::NextWord()
{
    m_answeredRight = false;
    m_word = nullptr;
    m_wordId = -1;
    m_ans.assign(kSlots + 1, -1);
    m_count = 0;
    CWord *w = nullptr;
    const int id = m_unit ? m_unit->GetTestWord(w) : -1;
    if (id < 1 || !w) {
        m_state = State::Over;
        return false;
    }
    m_word = w;
    m_wordId = id;
    m_count = m_unit->GetAnsArr(id, m_ans);
    m_state = State::Asking;
    return true;
}

CWord *ChoiceRound::Choice(int slot) const
{
    if (!m_unit || slot < 0 || slot >= m_count || size_t(slot + 1) >= m_ans.size())
        return nullptr;
    CWord *w = nullptr;
    return m_unit->GetWordByID(m_ans[size_t(slot + 1)], w) ? w : nullptr;
}

bool ChoiceRound::IsRight(int slot) const
{
    const CWord *c = Choice(slot);
    return c && m_word && c->UserEN == m_word->UserEN;
}

ChoiceRound::Outcome ChoiceRound::Answer(int slot)
{
    if (m_state != State::Asking || !m_word || !Choice(slot))
        return Outcome::Ignored;
    m_state = State::Busy;
    if (IsRight(slot)) {
        m_answeredRight = true;
        m_word->SetStatus(1);
        return Outcome::Right;
    }
    m_word->SetStatus(-1);
    return Outcome::Wrong;
}

void ChoiceRound::SetBusy()
{
    if (m_state == State::Asking)
        m_state = State::Busy;
}

void ChoiceRound::Resume()
{
    // a word answered right waits for the next word, not for another answer
    if (m_state == State::Busy && m_word && !m_answeredRight)
        m_state = State::Asking;
}

QString ChoiceRound::Progress() const
{
    return m_unit ? gamerules::ProgressText(m_unit->WordNum(), m_unit->UnTestedNum()) : QString();
}

int ChoiceRound::WordNum() const
{
    return m_unit ? m_unit->WordNum() : 0;
}

bool ChoiceRound::Perfect() const
{
    return m_unit && gamerules::IsPerfect(m_unit->CorrectNum(), m_unit->WordNum());
}
