// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The cards of 单词翻翻看: every word of the unit is a picture card and an
// English card, shuffled within blocks of 24 card numbers (12 words). Each
// card has its own state, so a matched card never comes back and only cards
// not yet dealt are dealt. A card's place is its slot among the cards not
// removed, in card order.
#include "wordround.h"
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class ClassUnit;
class CWord;

class FlipDeck {
public:
    enum class CardState {
        NotDealt,
        Shown,
        Removed
    };
    enum class Face {
        Picture,
        English
    };
    enum class Outcome {
        Ignored,
        Selected,
        Deselected,
        WrongPair,
        Match
    };
    struct Card {
        int wordId = 0; // the word's number in the unit
        CWord *word = nullptr;
        Face face = Face::Picture;
        CardState state = CardState::NotDealt;
    };

    static constexpr int kGroupWords = 12;
    static constexpr int kColumns = 4;
    static constexpr int kCardWidth = 240;
    static constexpr int kCardHeight = 152;
    static constexpr int kPitchX = 248;
    static constexpr int kPitchY = 158;
    static constexpr int kMargin = 8;

    // Where the cards lie in the 1000 x 647 game area: up to 16 cards as
    // four rows of four large cards, more as five rows of five smaller ones,
    // so a whole group of 12 words is in view. Cards in later slots wait
    // out of view until pairs before them are removed.
    struct Grid {
        int columns = kColumns;
        int rows = 4;
        QSize card{kCardWidth, kCardHeight};
        int pitchX = kPitchX;
        int pitchY = kPitchY;

        int Slots() const { return columns * rows; }
        bool InView(int slot) const { return slot >= 0 && slot < Slots(); }
        QPoint Pos(int slot) const;
        QRect CardRect(int slot) const { return QRect(Pos(slot), card); }
    };
    static Grid GridFor(int cards);

    // Every word of unit untested and two cards per word, none dealt yet.
    void Start(ClassUnit *unit);
    int CardCount() const { return int(m_cards.size()); }
    // Card k, 1..CardCount().
    const Card &CardAt(int k) const { return m_cards[size_t(k - 1)]; }
    bool ValidCard(int k) const { return k >= 1 && k <= CardCount(); }

    // Deals the next card not yet dealt; its number, or -1 when all are dealt.
    int DealNext();
    bool AllDealt() const;

    // A click on card k: only a shown card counts. A wrong pair records a
    // wrong answer on the first card's word, a match a right one on its word.
    Outcome Click(int k);
    // The card clicked first, -1 for none.
    int Selected() const { return m_selected; }
    // The word the last answer was recorded on.
    CWord *CurrentWord() const { return m_current; }
    // The two cards of the last match (0 before any).
    int MatchedA() const { return m_matchA; }
    int MatchedB() const { return m_matchB; }

    // Every card removed: the game is over.
    bool AllMatched() const;
    bool Perfect() const;

    // The card's place among the cards not removed (0 = top left).
    int SlotOf(int k) const;
    // A slot of the large cards' grid.
    static QPoint SlotPos(int slot) { return Grid().Pos(slot); }

private:
    bool SameWord(const Card &a, const Card &b) const;

    ClassUnit *m_unit = nullptr;
    // the words' answers; the deck, not the round, says which card is asked
    WordRound m_words;
    std::vector<Card> m_cards;
    int m_selected = -1;
    CWord *m_current = nullptr;
    int m_matchA = 0, m_matchB = 0;
};
