// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One game of the choice games (单词认认看, 单词选选看, 单词听听看): each word of
// the unit is asked once, in random order, with up to four choices. One
// answer per click, on the word that was asked: an answer is recorded at once
// and the round is then busy (a mark, a slide, a sound) until the control
// resumes it or asks the next word, so no click meanwhile answers anything.
#include "wordround.h"
#include <QString>
#include <vector>

class ClassUnit;
class CWord;

class ChoiceRound {
public:
    using State = WordRound::State;
    enum class Outcome {
        Ignored,
        Wrong,
        Right
    };
    static constexpr int kSlots = 4;

    explicit ChoiceRound(WordRound::Rnd rnd = {}) : m_words(std::move(rnd)) {}

    // Every word of unit untested; nothing asked yet. The answers count for
    // game (by default the game being played, gTestMode).
    void Start(ClassUnit *unit);
    void Start(ClassUnit *unit, scoring::Game game);
    // Asks an untested word with its choices; false, and Over, when none is left.
    bool NextWord();
    // The learner picked slot 0..3. Only a filled slot while Asking counts.
    Outcome Answer(int slot);
    // A mark, slide or sound runs: answers are ignored until Resume.
    void SetBusy() { m_words.SetBusy(); }
    // Back to the word asked, after a wrong answer's mark.
    void Resume() { m_words.Resume(); }

    State state() const { return m_words.state(); }
    ClassUnit *Unit() const { return m_words.Unit(); }
    CWord *TestWord() const { return m_words.Word(); }
    int TestWordId() const { return m_words.WordId(); }
    int ChoiceCount() const { return m_count; }
    // The word in slot 0..3, null for an empty slot.
    CWord *Choice(int slot) const;
    // The slot's English is the English asked (two words may share it).
    bool IsRight(int slot) const;
    // "3 / 12"
    QString Progress() const { return m_words.Progress(); }
    // Every word right at the first try; never for no words.
    bool Perfect() const { return m_words.Perfect(); }
    int WordNum() const { return m_words.WordNum(); }

private:
    WordRound m_words;
    std::vector<int> m_ans; // [1..4] unit numbers, -1 for none
    int m_count = 0;
};
