// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One test's world for the word lists: the course test world with a current
// course, words marked for new-word books, words with scores, and voices.
#include "support/picturebytes.h"
#include "course/courseenv.h"
#include "helpers/envelope.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include <QAbstractButton>
#include <QFile>
#include <QTest>
#include <QStringDecoder>
#include <QStringEncoder>

namespace recfix {

// as long as a word may be, in wide capitals: too wide for a small card even at the smallest size
inline const QString kLongWord = QStringLiteral("WOMEN-WORKERS-WORLDWIDE");

// Thirteen words of the fixture dictionary in one unit, and a unit with a
// very long word, added to the standard bank as book three of series 1.
inline QStringList BankWithLongUnits()
{
    QStringList body = wbfix::WordBankBody();
    QStringList extra{QStringLiteral("%Book Three"), QStringLiteral("#Thirteen")};
    extra << QStringList{QStringLiteral("apple"), QStringLiteral("banana"), QStringLiteral("cat"), QStringLiteral("dog"),
                         QStringLiteral("egg"), QStringLiteral("red"), QStringLiteral("blue"), QStringLiteral("green"),
                         QStringLiteral("pen"), QStringLiteral("book"), QStringLiteral("ruler"), QStringLiteral("bag"),
                         QStringLiteral("desk")};
    extra << QStringLiteral("#Long") << QStringLiteral("the Great Wall") << kLongWord;
    const qsizetype at = body.indexOf(QStringLiteral("@") + wbfix::kSeries2);
    return body.mid(0, at) + extra + body.mid(at);
}

inline wbfix::Install LongInstall()
{
    wbfix::Install what;
    what.bank = BankWithLongUnits();
    what.dict << kLongWord + QStringLiteral("\twomenworkersworldwide\t全世界的女工\t女工\t0");
    return what;
}

inline QByteArray Gbk(const QString &text)
{
    QStringEncoder enc("GB18030");
    return enc.encode(text);
}

} // namespace recfix

// A click on a check box or option button where it takes clicks: its box.
inline void ClickBox(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(8, b->height() / 2));
}

struct RecordsEnv : CourseEnv {
    // Loads the fixture with the long units; the current course becomes
    // series 1, book `book`, units first..last.
    bool LoadCourse(int book, int first, int last)
    {
        if (!LoadWith({}, recfix::LongInstall()))
            return false;
        if (!Loaded(1))
            return false;
        return gWordBank->SelectCourse(1, book, first, last, WordCategory::All);
    }

    // Marks the words for new-word book n.
    static void Mark(int n, const QStringList &spellings)
    {
        for (const QString &s : spellings) {
            if (CWord *w = Word(s))
                w->SetNewWord(n, true);
        }
    }

    // A voice for each word, so that speaking it plays something.
    bool GiveVoices(const QStringList &keys) const
    {
        for (const QString &k : keys) {
            if (!dir.writeEnvelopedBytes(QStringLiteral("voice/") + k + QStringLiteral(".enw"), MakeSineWav(50)))
                return false;
        }
        return true;
    }

    // A small picture for the word, as the data set stores it.
    bool GivePicture(const QString &key) const
    {
        return dir.writeEnvelopedBytes(QStringLiteral("pics/") + key + QStringLiteral(".enjpg"), PictureBytes(Qt::red));
    }

    QString DocFile(const QString &name) const { return docs + QLatin1Char('/') + name; }
};
