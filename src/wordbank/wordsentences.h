// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

class ClassDBdictionary;

// The example sentence of every standard word is kept in an enveloped file of
// its own beside the dictionary: a header line, then one line per word,
// key TAB English TAB Chinese. Words it does not name have no sentence.
inline constexpr const char *kWordSentenceHeader = "$TALLIVO SENTENCES";

// dat/sentences.dat of the current application folder.
QString WordSentenceFile();

// Gives the dictionary's words their sentences and returns how many words got
// one; -1 when the file is missing, unreadable or has no header. Lines that are
// not three filled fields or name no word are skipped; for a key named twice
// the first line wins.
int LoadWordSentences(ClassDBdictionary &dict, const QString &path = WordSentenceFile());
