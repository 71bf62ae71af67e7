// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "booktext.h"
#include "helpers/textfile.h"
#include "helpers/texthelpers.h"
#include "wordbank/classbook.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QSet>

namespace {
bool IsUnitLine(const QString &line)
{
    return line.startsWith(QLatin1Char('#'));
}

QString TooFewWords(const QString &unitLine)
{
    return QStringLiteral("单元:") + unitLine + QStringLiteral("包含的单词少于4个!");
}

// A unit's words as the dictionary will keep them: "apple" four times, or
// "colour" beside "color", is one word.
bool AlreadySeen(QSet<QString> &seen, const QString &key)
{
    if (seen.contains(key))
        return true;
    seen.insert(key);
    return false;
}

QString DistinctKey(const QString &line)
{
    CWord *w = nullptr;
    if (gDictionary && gDictionary->SetWord(w, line) && w)
        return QString::number(reinterpret_cast<quintptr>(w));
    const QString key = NormalizeWordKey(line);
    const QString us = UKToUSSpelling(key);
    return us.isEmpty() ? key : us;
}
}

QStringList BookTextLines(const QString &text)
{
    QStringList out;
    for (const QString &raw : SplitLines(text)) {
        const QString line = StripTabsTrim(raw);
        if (!line.isEmpty())
            out << line;
    }
    return out;
}

QString CheckBookFormatText(const QString &bookName, const QString &text, bool *nameEmpty)
{
    if (nameEmpty)
        *nameEmpty = false;
    if (bookName.trimmed().isEmpty()) {
        if (nameEmpty)
            *nameEmpty = true;
        return QStringLiteral("教材名称不能为空");
    }
    if (const int n = FirstOverlongLine(text))
        return QStringLiteral("第%1行太长，不是一个单词或单元名称，请删除这一行。").arg(n);
    int units = 0;
    int words = 0;
    QSet<QString> seen;
    QString last;
    for (const QString &line : BookTextLines(text)) {
        if (!IsUnitLine(line)) {
            if (units == 0 || !AlreadySeen(seen, DistinctKey(line)))
                ++words;
            continue;
        }
        if (line.size() < 2)
            return QStringLiteral("单元名称不能为空");
        if (units > 0 && words < 4)
            return TooFewWords(last);
        if (units == 0 && words > 0)
            return QStringLiteral("缺少第一单元的名称");
        last = line;
        ++units;
        words = 0;
        seen.clear();
    }
    if (units == 0 && words > 0)
        return QStringLiteral("缺少单元名称");
    if (words < 4)
        return TooFewWords(last);
    return QString();
}

QStringList UnknownWords(const QString &text)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString &line : BookTextLines(text)) {
        // an over-long line is a format error, not a word to look up
        if (IsUnitLine(line) || line.size() > kLongestTextLine || seen.contains(line))
            continue;
        seen.insert(line);
        if (!gDictionary || gDictionary->Chinese(line).isEmpty())
            out << line;
    }
    return out;
}

int FirstOverlongLine(const QString &text)
{
    int number = 0;
    for (const QString &line : SplitLines(text)) {
        ++number;
        if (line.size() > kLongestTextLine)
            return number;
    }
    return 0;
}

QString ReplaceWordLines(const QString &text, const QString &word, const QString &replacement)
{
    const QString target = StripTabsTrim(word);
    QStringList out;
    for (const QString &line : SplitLines(text)) {
        if (target.isEmpty() || StripTabsTrim(line) != target)
            out << line;
        else if (!replacement.isEmpty())
            out << replacement;
    }
    return out.join(QStringLiteral("\r\n"));
}

QStringList ConflictingUnitNames(const QString &text, const ClassBook *book)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString &line : BookTextLines(text)) {
        if (!IsUnitLine(line))
            continue;
        // named as the book will name the unit
        const QString name = StripTabsTrim(line.mid(1));
        if (name.isEmpty())
            continue;
        ClassUnit *existing = nullptr;
        const bool clash = seen.contains(name) || (book && book->GetUnitByName(name, existing));
        if (clash && !out.contains(name))
            out << name;
        seen.insert(name);
    }
    return out;
}

QString BookNameFromFileName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}
