// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answers.h"
#include "cword.h"
#include <utility>
#include <vector>

namespace answers {
namespace {
struct Registry {
    std::vector<std::pair<int, Observer>> observers;
    int nextId = 1;
};

Registry &Observers()
{
    static Registry r;
    return r;
}

int StatusCode(Answer a)
{
    switch (a) {
    case Answer::Right:
        return 1;
    case Answer::Wrong:
        return -1;
    case Answer::Helped:
        break;
    }
    return 2;
}
} // namespace

Outcome OutcomeOf(const CWord &word, Answer answer)
{
    switch (answer) {
    case Answer::Right:
        return word.myTestedStatus == 0 ? Outcome::RightFirstTime : Outcome::RightAfterHelp;
    case Answer::Wrong:
        return Outcome::Wrong;
    case Answer::Helped:
        break;
    }
    return Outcome::Helped;
}

void Record(CWord &word, scoring::Game game, Answer answer)
{
    const Event e{&word, game, OutcomeOf(word, answer), word.myTestedStatus == 0};
    word.SetStatus(StatusCode(answer), scoring::ModeOf(game));
    // a copy: an observer may add or remove observers
    const auto observers = Observers().observers;
    for (const auto &o : observers)
        o.second(e);
}

int AddObserver(Observer observer)
{
    Registry &r = Observers();
    const int id = r.nextId++;
    r.observers.emplace_back(id, std::move(observer));
    return id;
}

void RemoveObserver(int id)
{
    auto &v = Observers().observers;
    std::erase_if(v, [id](const auto &o) { return o.first == id; });
}

void ClearObservers()
{
    Observers().observers.clear();
}

} // namespace answers
