// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The envelope: byte i XOR (i mod 255). Its own inverse.
QByteArray EnvelopeBytes(const QByteArray &data);

// Writes the envelope of the whole of src to dst. False (doing nothing) for
// blank paths, a missing or unreadable source, or a destination that cannot be written.
bool CryptCopyFile(const QString &src, const QString &dst);
// Reads and unscrambles a whole enveloped file in memory. False when missing or unreadable.
bool ReadEncodedFileBytes(const QString &path, QByteArray &clear);
// Plain text file -> lines (UTF-8 with or without BOM, else GB18030; CR LF or LF).
bool ReadTextFileLines(const QString &path, QStringList &lines);
// Enveloped text file -> lines, entirely in memory. False when the path is
// blank, the file is missing, or it exists but cannot be read.
bool ReadEncodedFileLines(const QString &path, QStringList &lines);
// Writes text as enveloped UTF-8 through QSaveFile (old or new file, never half).
bool WriteEncodedTextFile(const QString &path, const QString &text);
