// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of the letter fill-in game for one word, apart from pixels: which
// characters become gaps, the four letters offered for a gap, and what a click
// or a typed key does.
#include <QList>
#include <QString>
#include <functional>

class FillInRound {
public:
    using Rnd = std::function<double()>; // uniform on [0, 1)

    enum class Outcome {
        Ignored,      // nothing open, or no such choice
        Wrong,        // the gap and the choices stay
        Filled,       // one gap filled, another is left
        WordComplete, // the last gap was filled
    };

    static constexpr int kChoiceCount = 4;
    static constexpr int kMaxGaps = 3;

    static bool IsGapLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
    // 0-based positions of the gaps: each letter before the last character with
    // chance one half, at most three, else the last letter of the word.
    static QList<int> PickGaps(const QString &word, const Rnd &rnd);
    // Four different letters of the case of correct, one of them correct.
    static QString PickChoices(QChar correct, const Rnd &rnd);

    // A new word with its gaps; nothing is open until Prepare.
    void SetWord(const QString &word, const QList<int> &gaps);
    // Opens the choices for the first gap left; false when there is none.
    bool Prepare(const Rnd &rnd);
    void Close() { m_open = false; }

    // A click on choice k (1..4).
    Outcome Choose(int k);
    // A typed character: the first choice showing it is clicked.
    Outcome Key(int keyAscii) { return Choose(ChoiceForKey(keyAscii)); }
    // The first open choice (1..4) showing keyAscii, 0 for none.
    int ChoiceForKey(int keyAscii) const;

    const QString &Word() const { return m_word; }
    // The word as shown, "_" in every gap not yet filled.
    QString Shown() const;
    bool IsGap(int pos) const { return m_gaps.contains(pos); }
    bool IsOpen() const { return m_open; }
    // 0-based position of the gap being asked, -1 when none.
    int GapPosition() const { return m_gapPos; }
    QChar Correct() const { return m_gapPos >= 0 ? m_word.at(m_gapPos) : QChar(); }
    // The four choices in order (empty when nothing was prepared).
    const QString &Choices() const { return m_choices; }

private:
    QString m_word;
    QList<int> m_gaps; // still to fill, in order
    QString m_choices;
    int m_gapPos = -1;
    bool m_open = false;
};
