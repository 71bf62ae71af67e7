// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordround.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"

namespace {
QString ProgressText(int place, int words)
{
    return QString::number(place) + QStringLiteral(" / ") + QString::number(words);
}
} // namespace

void WordRound::Start(ClassUnit *unit, scoring::Game game)
{
    m_unit = unit;
    m_game = game;
    m_word = nullptr;
    m_wordId = -1;
    m_asked = 0;
    m_answeredRight = false;
    m_state = State::Idle;
    if (m_unit)
        m_unit->InitTestStatus();
}

bool WordRound::NextWord()
{
    m_answeredRight = false;
    m_word = nullptr;
    m_wordId = -1;
    CWord *w = nullptr;
    const int id = m_unit ? m_unit->GetTestWord(w, m_rnd) : -1;
    if (id < 1 || !w) {
        m_state = State::Over;
        return false;
    }
    m_word = w;
    m_wordId = id;
    ++m_asked;
    m_state = State::Asking;
    return true;
}

void WordRound::End()
{
    m_state = State::Over;
}

void WordRound::SetBusy()
{
    if (m_state == State::Asking)
        m_state = State::Busy;
}

void WordRound::Resume()
{
    if (m_state == State::Busy && m_word && !m_answeredRight)
        m_state = State::Asking;
}

bool WordRound::Answer(answers::Answer a)
{
    if (m_state != State::Asking || !m_word)
        return false;
    if (a == answers::Answer::Right) {
        // the word is done: nothing more counts until the next word
        m_answeredRight = true;
        m_state = State::Busy;
    }
    answers::Record(*m_word, m_game, a);
    return true;
}

void WordRound::AnswerOn(CWord *word, answers::Answer a) const
{
    if (word)
        answers::Record(*word, m_game, a);
}

int WordRound::WordNum() const
{
    return m_unit ? m_unit->WordNum() : 0;
}

QString WordRound::Progress() const
{
    return ProgressText(m_asked, WordNum());
}

bool WordRound::Perfect() const
{
    return m_unit && scoring::IsPerfect(m_unit->CorrectNum(), m_unit->WordNum());
}
