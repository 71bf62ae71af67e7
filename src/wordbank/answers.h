// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one road from a game to a word's progress: every answer of every game
// is recorded here, and whoever listens (the score panel, a memory model)
// hears of it without the games knowing.
#include "scoring.h"
#include <functional>

class CWord;

namespace answers {

// What the learner just did with the word asked.
enum class Answer {
    Right,
    Wrong,
    Helped, // a hint, the tip or the answer shown: costs like a wrong try
};

// The word's outcome in this round, as a listener sees it.
enum class Outcome {
    RightFirstTime, // right, nothing wrong or helped before in the round
    RightAfterHelp, // right after a wrong try, a hint, the tip or a shown answer
    Wrong,
    Helped,
};

struct Event {
    CWord *word = nullptr;
    scoring::Game game = scoring::Game::Recognise;
    Outcome outcome = Outcome::Wrong;
    // The word's first answer of the round (nothing recorded on it before).
    bool first = false;
};

using Observer = std::function<void(const Event &)>;

// Records the answer on word (its score, this round's status and the
// profile's points) and then tells every observer, in the order they came.
void Record(CWord &word, scoring::Game game, Answer answer);
// The outcome Record reports for answer on a word in its present state.
Outcome OutcomeOf(const CWord &word, Answer answer);

// Registers an observer; the id removes it again.
int AddObserver(Observer observer);
void RemoveObserver(int id);
// Forgets every observer (tests, shutdown).
void ClearObservers();

// An observer for as long as the object lives.
class ScopedObserver {
public:
    explicit ScopedObserver(Observer observer) : m_id(AddObserver(std::move(observer))) {}
    ~ScopedObserver() { RemoveObserver(m_id); }
    ScopedObserver(const ScopedObserver &) = delete;
    ScopedObserver &operator=(const ScopedObserver &) = delete;

private:
    int m_id;
};

} // namespace answers
