// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The round every game plays: each word of the unit is asked once, in random
// order, and every answer is recorded through the one answer function. The
// state says what input counts: only an asked word that is not busy (a mark,
// a flip, a sound) takes an answer.
#include "wordbank/answers.h"
#include "wordbank/scoring.h"
#include <QString>
#include <functional>

class ClassUnit;
class CWord;

class WordRound {
public:
    enum class State {
        Idle,
        Asking,
        Busy,
        Over
    };
    // [0, 1); empty: the platform's one generator for the run.
    using Rnd = std::function<double()>;

    explicit WordRound(Rnd rnd = {}) : m_rnd(std::move(rnd)) {}

    // Every word of unit untested; nothing asked yet.
    void Start(ClassUnit *unit, scoring::Game game);
    // Asks an untested word; false, and Over with no word, when none is left.
    bool NextWord();
    // The game was left or stopped: no more answers, the word stays.
    void End();
    // A mark, flip or sound runs: answers are ignored until Resume.
    void SetBusy();
    // Back to the word asked after a mark; a word answered right stays busy
    // until the next word.
    void Resume();

    // Records an answer on the word asked; false (nothing recorded) unless
    // a word is asked. A right answer leaves the round busy.
    bool Answer(answers::Answer a);
    // Records an answer on a word of the round that is not the one asked (a
    // card of the pair game).
    void AnswerOn(CWord *word, answers::Answer a) const;

    State state() const { return m_state; }
    bool Asking() const { return m_state == State::Asking; }
    ClassUnit *Unit() const { return m_unit; }
    scoring::Game game() const { return m_game; }
    CWord *Word() const { return m_word; }
    int WordId() const { return m_wordId; }
    int Asked() const { return m_asked; }
    int WordNum() const;
    // "3 / 12"
    QString Progress() const;
    // Every word right at the first try; never for no words.
    bool Perfect() const;

private:
    Rnd m_rnd;
    ClassUnit *m_unit = nullptr;
    scoring::Game m_game = scoring::Game::Recognise;
    State m_state = State::Idle;
    CWord *m_word = nullptr;
    int m_wordId = -1;
    int m_asked = 0;
    bool m_answeredRight = false;
};
