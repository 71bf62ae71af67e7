// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Bytes from disk or an envelope -> text: BOM, else valid UTF-8, else GB18030.
QString DecodeText(const QByteArray &bytes);
// Splits at CR LF or a lone LF. A text ending in a line break yields a last empty element.
QStringList SplitLines(const QString &text);
// Longer lines are not text a person typed: loaders and imports treat them
// as bad lines instead of working through them.
inline constexpr int kLongestTextLine = 4096;

// A user file's lines for a loader that keeps what it can: split at LF bytes
// (CR before it dropped), NUL bytes removed, the last empty element of a
// text ending in a line break left out. damaged is set for NUL bytes and for
// a last line without its line break (the file was cut).
QList<QByteArray> SplitUserFileLines(const QByteArray &bytes, bool *damaged);
// One line's bytes -> text, piece by piece between sep bytes (0 = whole), so
// a bad byte costs its piece only: UTF-8, else GB18030, else UTF-8 with
// replacement characters (and bad set).
QString DecodeLine(const QByteArray &line, char sep, bool *bad);
// Writes text as UTF-8 (no BOM) through QSaveFile; LF-only line ends become CR LF.
bool WriteTextFileAtomic(const QString &path, const QString &text);
// Multi-line text boxes use LF; files and the data model use CR LF.
QString ToCrLf(const QString &text);
QString ToLf(const QString &text);
// Replaces characters that cannot stand in a file name with "_".
QString SafeFileName(const QString &name);
