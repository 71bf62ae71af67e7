// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flipdeck.h"
#include "helpers/texthelpers.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include <algorithm>

void FlipDeck::Start(ClassUnit *unit)
{
    m_unit = unit;
    m_cards.clear();
    m_selected = -1;
    m_current = nullptr;
    m_matchA = m_matchB = 0;
    m_words.Start(unit, scoring::Game::Flip);
    if (!m_unit)
        return;
    const int n = m_unit->WordNum();
    for (int first = 1; first <= n; first += kGroupWords) {
        const int m = std::min(kGroupWords, n - first + 1);
        std::vector<int> order(size_t(2 * m));
        ShuffleIndexArray(order);
        for (int i = 0; i < 2 * m; ++i) {
            const int e = order[size_t(i)] + 1;
            Card c;
            c.face = e > m ? Face::English : Face::Picture;
            c.wordId = first - 1 + (e > m ? e - m : e);
            m_unit->GetWordByID(c.wordId, c.word);
            m_cards.push_back(c);
        }
    }
}

int FlipDeck::DealNext()
{
    for (size_t i = 0; i < m_cards.size(); ++i) {
        if (m_cards[i].state == CardState::NotDealt) {
            m_cards[i].state = CardState::Shown;
            return int(i) + 1;
        }
    }
    return -1;
}

bool FlipDeck::AllDealt() const
{
    return std::none_of(m_cards.begin(), m_cards.end(),
                        [](const Card &c) { return c.state == CardState::NotDealt; });
}

bool FlipDeck::SameWord(const Card &a, const Card &b) const
{
    // by word, not by position: one word may stand twice in a unit
    if (!a.word || !b.word)
        return false;
    if (a.word == b.word || a.word->UserEN == b.word->UserEN)
        return true;
    // "bye" beside goodbye's 再见 is a right pair: the picture card shows the meaning
    return a.face != b.face && !a.word->Chinese.isEmpty() && a.word->Chinese == b.word->Chinese;
}

FlipDeck::Outcome FlipDeck::Click(int k)
{
    if (!ValidCard(k) || CardAt(k).state != CardState::Shown)
        return Outcome::Ignored;
    if (k == m_selected) {
        m_selected = -1;
        return Outcome::Deselected;
    }
    if (m_selected < 0) {
        m_selected = k;
        m_current = CardAt(k).word;
        return Outcome::Selected;
    }
    Card &first = m_cards[size_t(m_selected - 1)];
    Card &second = m_cards[size_t(k - 1)];
    const int firstNo = m_selected;
    m_selected = -1;
    if (!SameWord(first, second)) {
        m_current = first.word;
        m_words.AnswerOn(m_current, answers::Answer::Wrong);
        return Outcome::WrongPair;
    }
    first.state = CardState::Removed;
    second.state = CardState::Removed;
    m_matchA = firstNo;
    m_matchB = k;
    m_current = second.word;
    m_words.AnswerOn(m_current, answers::Answer::Right);
    if (first.word && first.word != second.word)
        m_words.AnswerOn(first.word, answers::Answer::Right);
    return Outcome::Match;
}

bool FlipDeck::AllMatched() const
{
    return !m_cards.empty() && std::all_of(m_cards.begin(), m_cards.end(), [](const Card &c) {
        return c.state == CardState::Removed;
    });
}

bool FlipDeck::Perfect() const
{
    return m_words.Perfect();
}

int FlipDeck::SlotOf(int k) const
{
    int slot = 0;
    for (int i = 1; i < k && i <= CardCount(); ++i) {
        if (CardAt(i).state != CardState::Removed)
            ++slot;
    }
    return slot;
}

QPoint FlipDeck::Grid::Pos(int slot) const
{
    return QPoint((slot % columns) * pitchX + kMargin, (slot / columns) * pitchY + kMargin);
}

FlipDeck::Grid FlipDeck::GridFor(int cards)
{
    Grid g;
    if (cards <= g.Slots())
        return g;
    // 5 x 5 of 190 x 120 (about the large card's shape): 8 + 4 x 198 + 190 =
    // 990 wide and 8 + 4 x 125 + 120 = 628 high, so the last row stays on a
    // 768-pixel screen below a title bar
    g.columns = 5;
    g.rows = 5;
    g.card = QSize(190, 120);
    g.pitchX = 198;
    g.pitchY = 125;
    return g;
}
