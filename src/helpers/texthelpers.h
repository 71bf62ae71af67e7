// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// UK spellings and their US pairs, index 0 empty; filled by the dictionary load.
extern QStringList gUKWords;
extern QStringList gUSWords;

// The data files trim spaces only: tabs, CR, LF and full-width spaces stay.
QString TrimSpaces(const QString &s);
QStringView TrimSpaces(QStringView s);
QString StripTabsTrim(const QString &s);
QString NormalizeWordKey(const QString &word);
QString UKToUSSpelling(const QString &word);
// word comes back cleaned by StripTabsTrim.
bool IsValidEnglishWord(QString &word);
// arr.size() == n + 1; fills it with a random permutation of 0..n.
void ShuffleIndexArray(std::vector<int> &arr);
void DeleteFileIfExists(const QString &path);
// Opens a file, folder or web address with the desktop; says so when nothing can.
bool ShellOpen(const QString &target);
void SetHandCursor();
// VB's Int(Rnd * n) through the platform's generator.
int RandomIndex(int n);
