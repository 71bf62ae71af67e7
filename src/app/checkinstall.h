// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

class QTextStream;

// tallivo --check [DIR]: loads an installation read-only (dictionary, word
// bank, every standard series, the three profiles), prints what it holds and
// what is wrong with it. Writes nothing. Returns the exit code: 0 when the
// dictionary and the word bank load, else 1.
// Message boxes raised by the loaders go to err instead of the screen.
int RunCheckInstall(const QString &appDir, QTextStream &out, QTextStream &err);
// The same for the folders the path variables point at now (InitAppPaths:
// the data set and the user folder found from the executable's place).
int RunCheckFolders(QTextStream &out, QTextStream &err);
