// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "profilefiles.h"
#include "reviewstore.h"
#include "wbtext.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "helpers/texthelpers.h"
#include "helpers/userfiles.h"
#include <QRegularExpression>

namespace {

// lines 1..10, and the user book's name when the course is one of them
constexpr int kStatusLines = 10;
constexpr int kStatusLinesWithBook = 11;
constexpr int kUnitStatusDigits = 27;
const QString kUserSeriesHeader = QStringLiteral("@我的词库");

bool IsPlainNumber(const QByteArray &line)
{
    static const QRegularExpression re(QStringLiteral("^ *([+-]?[0-9]{1,9})? *$"));
    return re.match(QString::fromLatin1(line)).hasMatch();
}

// How many of the first eight lines read as numbers: tells an enveloped file
// from one written as plain text.
int NumberLines(const QByteArray &bytes)
{
    int n = 0;
    const QList<QByteArray> lines = bytes.left(256).split('\n');
    for (qsizetype i = 0; i < lines.size() && i < 8; ++i) {
        QByteArray l = lines.at(i);
        if (l.endsWith('\r'))
            l.chop(1);
        if (!l.trimmed().isEmpty() && IsPlainNumber(l))
            ++n;
    }
    return n;
}

// key|number#mark: a key without "|", one to six digits, five of 0 and 1.
bool IsWordItem(QStringView item)
{
    const qsizetype bar = item.indexOf(u'|');
    if (bar < 1 || item.size() < bar + 1 + 1 + 1 + 5)
        return false;
    const QStringView status = item.mid(bar + 1);
    const qsizetype hash = status.size() - 6;
    if (hash < 1 || hash > 6 || status.at(hash) != u'#')
        return false;
    for (qsizetype i = 0; i < hash; ++i) {
        if (status.at(i) < u'0' || status.at(i) > u'9')
            return false;
    }
    for (QChar c : status.mid(hash + 1)) {
        if (c != u'0' && c != u'1')
            return false;
    }
    return true;
}

bool IsUnitItem(QStringView item)
{
    if (item.isEmpty())
        return true;
    const QChar first = item.front();
    if (first == QLatin1Char('@') || first == QLatin1Char('%'))
        return item.size() > 1;
    if (first != QLatin1Char('#') || item.size() < 1 + 28)
        return false;
    const QStringView digits = item.right(kUnitStatusDigits);
    if (item.at(item.size() - kUnitStatusDigits - 1) != QLatin1Char('-'))
        return false;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Keeps the items that read; damaged when one did not.
QString KeepItems(const QString &line, QChar sep, bool (*ok)(QStringView), bool *damaged)
{
    if (line.isEmpty() || line == QLatin1String("0"))
        return line;
    // a whole line, the usual case, is handed back as it is
    QString kept;
    bool whole = true;
    qsizetype from = 0;  // where the item starts in line
    qsizetype count = 0; // items kept so far
    for (QStringView item : QStringTokenizer(line, sep)) {
        const QStringView trimmed = TrimSpaces(item);
        const bool dropped = sep == QLatin1Char('-') && trimmed.isEmpty();
        const bool good = !dropped && ok(sep == QLatin1Char('-') ? trimmed : item);
        if (!dropped && !good)
            *damaged = true;
        if (whole && !good) {
            // the items before are all kept: the line up to here, less its separator
            whole = false;
            kept.reserve(line.size());
            kept = line.left(std::max<qsizetype>(0, from - 1));
        } else if (good) {
            if (!whole) {
                if (count > 0)
                    kept += sep;
                kept += item;
            }
            ++count;
        }
        from += item.size() + 1;
    }
    return whole ? line : kept;
}

} // namespace

StatusFileText ReadStatusFileText(const QByteArray &stored)
{
    StatusFileText out;
    QByteArray clear = EnvelopeBytes(stored);
    if (NumberLines(stored) > NumberLines(clear)) {
        clear = stored;
        out.plain = true;
    }
    const QList<QByteArray> lines = SplitUserFileLines(clear, &out.damaged);
    // fewer lines are an older, shorter profile; more are not ours
    if (lines.size() > kStatusLinesWithBook)
        out.damaged = true;
    for (qsizetype i = 0; i < lines.size() && i < kStatusLinesWithBook; ++i) {
        const QByteArray &raw = lines.at(i);
        if (i < 8) {
            if (!IsPlainNumber(raw))
                out.damaged = true;
            out.lines << DecodeLine(raw, 0, &out.damaged);
        } else if (i == 8) {
            out.lines << KeepItems(DecodeLine(raw, '-', &out.damaged), QLatin1Char('-'), IsWordItem, &out.damaged);
        } else if (i == 9) {
            out.lines << KeepItems(DecodeLine(raw, '\t', &out.damaged), QLatin1Char('\t'), IsUnitItem, &out.damaged);
        } else if (raw.size() > kLongestTextLine) {
            out.damaged = true;
            out.lines << QString();
        } else {
            out.lines << StripTabsTrim(DecodeLine(raw, 0, &out.damaged));
        }
    }
    return out;
}

bool StatusFileIsWhole(const QByteArray &stored)
{
    const StatusFileText t = ReadStatusFileText(stored);
    return !t.damaged && (t.lines.size() == kStatusLines || t.lines.size() == kStatusLinesWithBook);
}

NameFileText ReadNameFileText(const QByteArray &bytes)
{
    NameFileText out;
    const QList<QByteArray> lines = SplitUserFileLines(bytes, &out.damaged);
    for (const QByteArray &l : lines) {
        if (l.size() > kLongestTextLine) {
            out.damaged = true;
            out.names << QString();
            continue;
        }
        out.names << TrimSpaces(DecodeLine(l, 0, &out.damaged));
    }
    // a short file is completed with the default names; more lines are not ours
    if (out.names.size() > 3)
        out.damaged = true;
    return out;
}

bool NameFileIsWhole(const QByteArray &bytes)
{
    const NameFileText t = ReadNameFileText(bytes);
    return !t.damaged && t.names.size() == 3 && !t.names.contains(QString());
}

UserBookFileText ReadUserBookFileText(const QByteArray &bytes)
{
    UserBookFileText out;
    const QList<QByteArray> lines = SplitUserFileLines(bytes, &out.damaged);
    if (lines.isEmpty())
        return out;
    out.header = StripTabsTrim(DecodeLine(lines.first(), 0, &out.damaged)) == kUserSeriesHeader;
    if (!out.header) {
        out.damaged = true;
        return out;
    }
    bool inBook = false, inUnit = false;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines.at(i).size() > kLongestTextLine) {
            out.damaged = true;
            continue;
        }
        QString line = StripTabsTrim(DecodeLine(lines.at(i), 0, &out.damaged));
        if (line.isEmpty())
            continue;
        const QChar first = line.front();
        bool ok = true;
        if (first == QLatin1Char('%')) {
            ok = !StripTabsTrim(line.mid(1)).isEmpty();
            inBook = ok;
            inUnit = false;
        } else if (first == QLatin1Char('#')) {
            ok = inBook && !StripTabsTrim(line.mid(1)).isEmpty();
            inUnit = inUnit || ok;
        } else {
            ok = inUnit && IsValidEnglishWord(line);
        }
        if (ok)
            out.lines << line;
        else
            out.damaged = true;
    }
    return out;
}

bool UserBookFileIsWhole(const QByteArray &bytes)
{
    const UserBookFileText t = ReadUserBookFileText(bytes);
    return t.header && !t.damaged;
}

void RecoverUserFileSaves()
{
    for (const QString &status : gUserStatusFile)
        RecoverStraySave(status, StatusFileIsWhole);
    for (int id = 0; id < 3; ++id)
        if (const QString review = ReviewFilePath(id); !review.isEmpty())
            RecoverStraySave(review, ReviewFileIsWhole);
    RecoverStraySave(gUserNameFile, NameFileIsWhole);
    RecoverStraySave(gUserBookFile, UserBookFileIsWhole);
}
