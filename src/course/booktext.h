// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of a custom word-bank text as the user types or loads it:
// "#" + unit name lines, each followed by English words, one per line.
#include <QString>
#include <QStringList>

class ClassBook;

// The lines that count: tabs removed, trimmed, empty ones left out.
QStringList BookTextLines(const QString &text);

// The shape check of the import window. "" when the text is fine, else the
// message of the first rule it breaks. nameEmpty tells the caller to put the
// focus on the book name.
QString CheckBookFormatText(const QString &bookName, const QString &text, bool *nameEmpty = nullptr);

// Number (from 1) of the first line longer than kLongestTextLine, 0 for none.
int FirstOverlongLine(const QString &text);

// Word lines the dictionary does not know, each once, in order of appearance.
// Over-long lines are left to the format check.
QStringList UnknownWords(const QString &text);

// Replaces every line that consists of word (after removing tabs and
// trimming) by replacement; an empty replacement removes those lines. Other
// lines keep their letters, also where word occurs inside them. Line ends
// come back as CR LF.
QString ReplaceWordLines(const QString &text, const QString &word, const QString &replacement);

// Unit names of the text that would not become units of their own: names that
// already exist in book (may be null) or that occur twice in the text.
QStringList ConflictingUnitNames(const QString &text, const ClassBook *book);

// The book name a loaded file gives: its name without the extension.
QString BookNameFromFileName(const QString &fileName);
