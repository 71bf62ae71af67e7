// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Called after every write of a user file (profile, nicknames, custom word
// books). A failed write is told once, naming the file; a later successful
// write of that file lets the next failure be told again.
void NoteUserFileSave(const QString &path, bool saved);
// Tells now, whatever was told before: a save the learner asked for.
void ShowSaveFailure(const QString &path);
// After the custom word books were saved: the profile keeps its course by
// the book's position and name, so it is saved with them.
void SaveProfileWithBooks();
// While the program ends with nobody to answer a box (a termination signal,
// the display gone) the notice goes to standard error instead.
void SetSaveNoticeQuiet(bool quiet);
// Forgets which failures were told (tests, a new run's start-up).
void ResetSaveNotices();

// followed by the file
inline constexpr const char *kMsgSaveFailed = "无法保存文件：";
inline constexpr const char *kMsgSaveFailedWhy =
    "磁盘可能已满，或者这个文件夹不能写入。原来的文件没有改动；腾出空间后，下次保存会再试。";
