// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text-file dialogs and the export folder shared by the course window,
// the new-word book window and the record window.
#include <QString>

// Open dialog for text files. Returns the chosen path, or "" on Cancel or
// failure; on a path, title becomes the chosen file's name without folder.
QString ShowOpenDialog(QString &title, const QString &initFolder);
// Save dialog for text files, starting in the documents folder; the dialog
// adds ".txt" itself and asks before replacing a file. A name not ending in
// ".txt" still gets it appended. "" on Cancel or failure.
QString ShowSaveDialog(const QString &title);

// Where exports go: the user's documents folder (or the one set below).
QString DocumentsFolder();
// DocumentsFolder(), made when it is missing; the home folder when it cannot be.
QString ExportStartFolder();
// Overrides DocumentsFolder(); "" goes back to the user's documents folder.
void SetDocumentsFolder(const QString &folder);

// Writes an export (text with CR LF, replaced whole or not at all), making
// the folder when it is missing. False when nothing was written.
bool WriteExportFile(const QString &path, const QString &text);

// The one way an export is saved: WriteExportFile, and the failure message
// when nothing was written. True when the file was written.
bool SaveExport(const QString &path, const QString &text);

// Shown when a dialog or a write fails.
inline constexpr const char *kUnknownFailureText = "未知原因导致操作失败!";
void ShowUnknownFailure();
