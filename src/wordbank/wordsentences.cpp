// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordsentences.h"
#include "classdbdictionary.h"
#include "cword.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include <QSet>
#include <QStringList>

QString WordSentenceFile()
{
    return AppPath(QStringLiteral("dat/sentences.dat"));
}

int LoadWordSentences(ClassDBdictionary &dict, const QString &path)
{
    QStringList lines;
    if (!ReadEncodedFileLines(path, lines) || lines.isEmpty()
        || StripTabsTrim(lines.at(0)) != QLatin1String(kWordSentenceHeader))
        return -1;
    QSet<const CWord *> given;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList f = lines.at(i).split(QLatin1Char('\t'));
        if (f.size() != 3)
            continue;
        const QString key = TrimSpaces(f.at(0));
        const QString english = TrimSpaces(f.at(1));
        const QString chinese = TrimSpaces(f.at(2));
        CWord *w = nullptr;
        if (key.isEmpty() || english.isEmpty() || chinese.isEmpty() || !dict.SetWord(w, key) || !w
            || given.contains(w))
            continue;
        w->SentenceEN = english;
        w->SentenceCH = chinese;
        given.insert(w);
    }
    return int(given.size());
}
