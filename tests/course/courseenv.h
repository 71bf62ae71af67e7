// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One course test's world: the word-bank test world (fake platform, fresh
// application folder, new profile) plus a documents folder of its own, and a
// helper that answers the modal windows the code under test opens.
#include "support/modaldriver.h"
#include "course/filedialogs.h"
#include "wordbank/wbenv.h"
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

namespace coursefix {

// A user word-book file with the given books; each book one unit of words.
inline QString UserBooks(const QList<QPair<QString, QStringList>> &books)
{
    QString text = QStringLiteral("@我的词库\r\n@2024/5/1\r\n");
    for (const auto &b : books) {
        text += QStringLiteral("\r\n%") + b.first + QStringLiteral("\r\n\r\n#Unit 1\r\n");
        for (const QString &w : b.second)
            text += w + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text + QStringLiteral("\r\n");
}

// The standard word bank plus a third book of twelve one-word units in series 1.
inline QStringList BankWithBigBook()
{
    QStringList body = wbfix::WordBankBody();
    const QStringList words{QStringLiteral("apple"), QStringLiteral("banana"), QStringLiteral("cat"),
                            QStringLiteral("dog"), QStringLiteral("egg"), QStringLiteral("red"),
                            QStringLiteral("blue"), QStringLiteral("green"), QStringLiteral("pen"),
                            QStringLiteral("book"), QStringLiteral("ruler"), QStringLiteral("bag")};
    QStringList big{QStringLiteral("%Big Book")};
    for (int i = 0; i < words.size(); ++i)
        big << QStringLiteral("#Lesson %1").arg(i + 1) << words.at(i);
    // before the second series' line
    body = body.mid(0, body.indexOf(QStringLiteral("@") + wbfix::kSeries2)) + big
           + body.mid(body.indexOf(QStringLiteral("@") + wbfix::kSeries2));
    return body;
}

// The texts of a list's rows, in order.
inline QStringList Items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// A file's bytes; none when it cannot be read.
inline QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace coursefix

struct CourseEnv : WordBankEnv {
    QTemporaryDir docsRoot;
    QString docs = docsRoot.path() + QStringLiteral("/Documents");

    CourseEnv() { SetDocumentsFolder(docs); }
    ~CourseEnv() { SetDocumentsFolder(QString()); }

    // Loads with the given user books (none: no user word-book file).
    bool LoadWith(const QList<QPair<QString, QStringList>> &userBooks, wbfix::Install what = wbfix::Install())
    {
        if (!userBooks.isEmpty() && !dir.writeText(QStringLiteral("usrdat/uDRW90.UCK"), coursefix::UserBooks(userBooks)))
            return false;
        what.userBook = false;
        return Load(what);
    }

    // The profile's last course, as a status file would have restored it.
    static void SetLast(int series, int book, int first, int last)
    {
        gUser->nLastSeries = series;
        gUser->nLastBook = book;
        gUser->nLastStartUnit = first;
        gUser->nLastEndUnit = last;
    }

    QStringList MsgTexts() const
    {
        QStringList out;
        for (const MsgBoxCall &c : fake.fake.msgBoxes)
            out << c.text;
        return out;
    }
    int CountMsg(const QString &text) const { return int(MsgTexts().count(text)); }
};
