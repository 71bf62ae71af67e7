// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfile.h"
#include "platform/platform.h"
#include <QStringDecoder>

namespace {

bool DecodeStrict(QStringConverter::Encoding enc, const QByteArray &bytes, QString &out)
{
    QStringDecoder dec(enc, QStringDecoder::Flag::Stateless);
    out = dec.decode(bytes);
    return !dec.hasError();
}

} // namespace

QString DecodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    // Notepad's "Unicode" files
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder dec(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                        : QStringConverter::Utf16BE);
        return dec.decode(bytes.mid(2));
    }
    QString text;
    if (DecodeStrict(QStringConverter::Utf8, bytes, text))
        return text;
    // Files from a Chinese Windows machine: GBK, which GB18030 contains
    QStringDecoder gb("GB18030");
    if (gb.isValid())
        return gb.decode(bytes);
    return text; // UTF-8 with replacement characters: better than nothing
}

QList<QByteArray> SplitUserFileLines(const QByteArray &bytes, bool *damaged)
{
    QByteArray b = bytes;
    if (b.contains('\0')) {
        *damaged = true;
        b.replace('\0', QByteArray());
    }
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    if (b.isEmpty())
        return {};
    QList<QByteArray> lines = b.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    else
        *damaged = true;
    for (QByteArray &l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
    }
    return lines;
}

QString DecodeLine(const QByteArray &line, char sep, bool *bad)
{
    QString out;
    if (DecodeStrict(QStringConverter::Utf8, line, out))
        return out;
    out.clear();
    const QList<QByteArray> pieces = sep ? line.split(sep) : QList<QByteArray>{line};
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(sep);
        QString text;
        if (DecodeStrict(QStringConverter::Utf8, pieces.at(i), text)) {
            out += text;
            continue;
        }
        QStringDecoder gb("GB18030", QStringDecoder::Flag::Stateless);
        if (gb.isValid()) {
            text = gb.decode(pieces.at(i));
            if (!gb.hasError()) {
                out += text;
                continue;
            }
        }
        *bad = true;
        out += QString::fromUtf8(pieces.at(i));
    }
    return out;
}

QStringList SplitLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t.split(QLatin1Char('\n'));
}

bool WriteTextFileAtomic(const QString &path, const QString &text)
{
    return plat().WriteFileAtomic(path, ToCrLf(text).toUtf8());
}

QString ToCrLf(const QString &text)
{
    // every line end becomes CR LF and a CR LF stays one: only a bare LF
    // changes, so text already in CR LF is handed back without a copy
    qsizetype bare = 0;
    for (qsizetype i = text.indexOf(QLatin1Char('\n')); i >= 0; i = text.indexOf(QLatin1Char('\n'), i + 1))
        bare += (i == 0 || text.at(i - 1) != QLatin1Char('\r'));
    if (bare == 0)
        return text;
    QString t;
    t.reserve(text.size() + bare);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') && (i == 0 || text.at(i - 1) != QLatin1Char('\r')))
            t += QLatin1Char('\r');
        t += c;
    }
    return t;
}

QString ToLf(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

QString SafeFileName(const QString &name)
{
    static const QString bad = QStringLiteral("\\/:*?\"<>|");
    QString out = name;
    for (QChar &c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || bad.contains(c))
            c = QLatin1Char('_');
    }
    if (out.isEmpty() || out == QLatin1String(".") || out == QLatin1String(".."))
        out = QStringLiteral("_");
    return out;
}
