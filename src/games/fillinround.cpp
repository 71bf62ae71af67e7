// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/fillinround.h"
#include <algorithm>

QList<int> FillInRound::PickGaps(const QString &word, const Rnd &rnd)
{
    QList<int> gaps;
    const int n = int(word.size());
    // the last character stays readable unless nothing else became a gap
    for (int i = 0; i < n - 1; ++i) {
        if (!IsGapLetter(word.at(i)))
            continue;
        const bool marked = rnd() < 0.5;
        if (marked && gaps.size() < kMaxGaps)
            gaps << i;
    }
    if (gaps.isEmpty() && n > 0) {
        int last = n - 1;
        while (last > 0 && !IsGapLetter(word.at(last)))
            --last;
        // a word without any letter still asks for its last character
        gaps << (IsGapLetter(word.at(last)) ? last : n - 1);
    }
    return gaps;
}

QString FillInRound::PickChoices(QChar correct, const Rnd &rnd)
{
    const char16_t base = correct.unicode() < 97 ? u'A' : u'a';
    auto usable = [&](QChar c, const QString &taken) {
        return !taken.contains(c) && c.toLower() != correct.toLower();
    };
    QString choices;
    for (int k = 0; k < kChoiceCount; ++k) {
        QChar c;
        // a stuck random source must not hang the game
        for (int attempt = 0; attempt < 100; ++attempt) {
            c = QChar(char16_t(base + int(26 * rnd())));
            if (usable(c, choices))
                break;
        }
        if (!usable(c, choices)) {
            for (int i = 0; i < 26; ++i) {
                c = QChar(char16_t(base + i));
                if (usable(c, choices))
                    break;
            }
        }
        choices += c;
    }
    const int slot = std::min(int(kChoiceCount * rnd()), kChoiceCount - 1);
    choices[slot] = correct;
    return choices;
}

void FillInRound::SetWord(const QString &word, const QList<int> &gaps)
{
    m_word = word;
    m_gaps = gaps;
    std::sort(m_gaps.begin(), m_gaps.end());
    m_choices.clear();
    m_gapPos = -1;
    m_open = false;
}

bool FillInRound::Prepare(const Rnd &rnd)
{
    m_open = false;
    if (m_gaps.isEmpty()) {
        m_gapPos = -1;
        return false;
    }
    m_gapPos = m_gaps.first();
    m_choices = PickChoices(Correct(), rnd);
    m_open = true;
    return true;
}

FillInRound::Outcome FillInRound::Choose(int k)
{
    if (!m_open || k < 1 || k > m_choices.size())
        return Outcome::Ignored;
    if (m_choices.at(k - 1) != Correct())
        return Outcome::Wrong;
    m_open = false;
    m_gaps.removeFirst();
    return m_gaps.isEmpty() ? Outcome::WordComplete : Outcome::Filled;
}

int FillInRound::ChoiceForKey(int keyAscii) const
{
    if (!m_open)
        return 0;
    for (int k = 1; k <= m_choices.size(); ++k) {
        if (m_choices.at(k - 1).unicode() == keyAscii)
            return k;
    }
    return 0;
}

QString FillInRound::Shown() const
{
    QString s = m_word;
    for (int pos : m_gaps)
        s[pos] = u'_';
    return s;
}
