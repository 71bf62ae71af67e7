// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Where a word stands in a sentence: the first run of letters that is the
// word itself or one of its forms (plural, past, -ing, comparative, the
// British or American spelling, the common irregular forms). A word of
// several parts ("get up", "T-shirt") matches those parts in a row.
struct WordSpan {
    qsizetype start = -1;
    qsizetype length = 0;
    bool found() const { return start >= 0; }
};

WordSpan FindWordInSentence(const QString &sentence, const QString &word);
inline bool SentenceHasWord(const QString &sentence, const QString &word)
{
    return FindWordInSentence(sentence, word).found();
}
