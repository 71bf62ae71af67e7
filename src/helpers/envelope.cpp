// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "envelope.h"
#include "textfile.h"
#include "platform/platform.h"
#include <QFile>
#include <QFileInfo>

namespace {

bool IsBlank(const QString &s)
{
    for (QChar c : s)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

// False for a missing path, a folder, or a file that cannot be opened or read.
bool ReadWholeFile(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    if (IsBlank(path))
        return false;
    const QFileInfo fi(path);
    if (!fi.exists() || fi.isDir())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        bytes.clear();
        return false;
    }
    return true;
}

bool WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    return plat().WriteFileAtomic(path, bytes);
}

} // namespace

QByteArray EnvelopeBytes(const QByteArray &data)
{
    QByteArray out(data.size(), Qt::Uninitialized);
    const char *in = data.constData();
    char *o = out.data();
    int mask = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        o[i] = char(uchar(in[i]) ^ uchar(mask));
        if (++mask == 255) // 255, not 256: the mask runs 0..254
            mask = 0;
    }
    return out;
}

bool CryptCopyFile(const QString &src, const QString &dst)
{
    if (IsBlank(src) || IsBlank(dst))
        return false;
    QByteArray bytes;
    if (!ReadWholeFile(src, bytes))
        return false;
    return WriteWholeFile(dst, EnvelopeBytes(bytes));
}

bool ReadEncodedFileBytes(const QString &path, QByteArray &clear)
{
    QByteArray stored;
    if (!ReadWholeFile(path, stored)) {
        clear.clear();
        return false;
    }
    clear = EnvelopeBytes(stored);
    return true;
}

bool ReadTextFileLines(const QString &path, QStringList &lines)
{
    lines.clear();
    QByteArray bytes;
    if (!ReadWholeFile(path, bytes) || bytes.isEmpty())
        return false;
    const QString text = DecodeText(bytes);
    if (text.isEmpty())
        return false;
    lines = SplitLines(text);
    return true;
}

bool ReadEncodedFileLines(const QString &path, QStringList &lines)
{
    lines.clear();
    QByteArray clear;
    if (!ReadEncodedFileBytes(path, clear))
        return false;
    lines = SplitLines(DecodeText(clear));
    return true;
}

bool WriteEncodedTextFile(const QString &path, const QString &text)
{
    if (IsBlank(path))
        return false;
    return WriteWholeFile(path, EnvelopeBytes(ToCrLf(text).toUtf8()));
}
