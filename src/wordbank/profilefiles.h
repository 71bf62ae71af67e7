// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The profile's files read so that a damaged part costs that part only: a
// line, a word's progress, a unit's results. What could not be read is
// reported, so the caller keeps a copy of the original before it is replaced.
#include <QByteArray>
#include <QString>
#include <QStringList>

struct StatusFileText {
    // Lines 1..10 as far as the file has them, and line 11 when there is one
    // (the name of the user's book the course is in). Lines 9 and 10 hold
    // only the items that could be read.
    QStringList lines;
    bool damaged = false; // something was left out, or the file was cut
    bool plain = false;   // written as plain text instead of enveloped
};
// The stored bytes of a status file (enveloped, or plain text).
StatusFileText ReadStatusFileText(const QByteArray &stored);
// A whole status file as the program writes it, with nothing left out.
bool StatusFileIsWhole(const QByteArray &stored);

struct NameFileText {
    QStringList names; // the lines, trimmed; may be fewer or more than three
    bool damaged = false;
};
NameFileText ReadNameFileText(const QByteArray &bytes);
bool NameFileIsWhole(const QByteArray &bytes);

struct UserBookFileText {
    QStringList lines;   // from the third on, tabs removed and trimmed, empty and bad lines left out
    bool header = false; // the first line names the user series
    bool damaged = false;
};
UserBookFileText ReadUserBookFileText(const QByteArray &bytes);
bool UserBookFileIsWhole(const QByteArray &bytes);

// Puts in place each profile file's newer save that a cut-off save left
// beside it, and removes the strays that are damaged or older.
void RecoverUserFileSaves();
