// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The files the program keeps for its users (profiles, nicknames, word
// books): written without ever following a link, copied aside before a
// damaged one is replaced, and recovered from a save that was cut off
// between writing and renaming.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

enum class UserFileState {
    Missing,
    Regular,
    NotRegular, // a link (even a dangling one), a folder, a device...
};
// Looks at path itself: a link is never followed.
UserFileState UserFileStateOf(const QString &path);

// Replaces path with bytes: a new file beside it (created exclusively, never
// through a link), synced, renamed over path, and the folder synced. False,
// with path untouched and no new file left, when path or its folder is a link
// or not a regular file/folder, or when any step fails.
bool WriteUserFile(const QString &path, const QByteArray &bytes);
// UTF-8 text, line ends made CR LF.
bool WriteUserTextFile(const QString &path, const QString &text);
// The whole file, read without following a link. False for anything but a
// regular file that could be read.
bool ReadUserFile(const QString &path, QByteArray &bytes);

// How many copies of one kind are kept per file; older ones are removed.
inline constexpr int kUserFileCopiesKept = 3;
// path + "." + kind + "-YYYYMMDD-HHMM", the name a copy made at when gets.
QString UserFileCopyName(const QString &path, const QString &kind, const QDateTime &when);
// Copies the bytes of path beside it under that name (a copy of the same bytes
// already there is reused). The copy's path, "" when none could be made.
QString CopyUserFileAside(const QString &path, const QString &kind);

// What a start tells the parent about the user files.
struct UserFileNotice {
    QString path;
    QString copy;         // where the original bytes are kept ("" = none made)
    bool refused = false; // a link or not a file: neither read nor written
};
// A loader could not read all of path: it is copied aside now (unless copies
// are off) and noted once per run. True when the original bytes are kept, so
// the file may be written over; false means it must be left as it is.
bool NoteDamagedUserFile(const QString &path);
// A loader found a link or something other than a file at path.
void NoteRefusedUserFile(const QString &path);
// The notes so far, in order; they are cleared (a later note copies again).
QList<UserFileNotice> TakeUserFileNotices();
// Off for a check that must not write: notes give the name a copy would get.
void SetUserFileCopiesMade(bool on);

// Checks the bytes of a stray save as its loader would.
using UserFileCheck = std::function<bool(const QByteArray &)>;
// Files named path + "." + six letters or digits: what a save leaves behind
// when it is cut off before the rename.
QStringList StraySavesOf(const QString &path);
// The newest stray save that passes check and is not older than path replaces
// it (path is copied aside as "older" first); every other stray is removed.
// True when path was replaced. With writes off, only tells what it would do.
bool RecoverStraySave(const QString &path, const UserFileCheck &check, bool write = true);
