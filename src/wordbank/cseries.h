// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "classbook.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A set of textbooks. Books 1..BookNum in file order; slot 0 is empty in a
// standard series and holds the new-word book in the user series (ID 0).
class CSeries {
public:
    static constexpr const char *kWordBankHeader = "$ KELVAN VOCATRIX98 WORDBANK";
    static inline const QString kUserSeriesName = QStringLiteral("我的词库");
    // the new-word book's name: no user book may take it
    static inline const QString kReservedBookName = QStringLiteral("系统生词本");

    QString SeriesName;
    QString SeriesDesc;
    int SeriesID = 0;

    CSeries();

    bool LoadStandardSeries();
    bool SetCurrBook(int Index);
    QString ListAllUnitStatus() const;
    int BookNum() const { return int(m_books.size()) - 1; }
    QString BookName(int Index) const;
    void LoadUserWordBook();
    bool AddUserWordBook(const QString &vBookName, const QString &vWordStr);
    bool DelUserWordBook(int Index);
    // Rewrites the user's word-book file from this series; false when nothing was written.
    bool SaveUserWordBook();
    QString GetUsrChinese(const QString &theWord) const;
    // -1 for an empty or existing name (outBook untouched); else the new position.
    int AddNewBook(const QString &BookName, ClassBook *&outBook);
    bool GetBookByID(int BookID, ClassBook *&outBook) const;
    bool GetBookByName(const QString &BookName, ClassBook *&outBook) const;
    void SetNewBook();

    // Word lines of this series' section that the last load dropped (not a
    // valid word, not in the dictionary, or before any unit).
    const QStringList &DroppedWordLines() const { return m_droppedWords; }

private:
    ClassBook *Book(int Index) const { return m_books[size_t(Index)].get(); }

    std::vector<std::unique_ptr<ClassBook>> m_books; // slot 0: new-word book or empty
    QStringList m_droppedWords;
    // The user's word-book file could not be read or copied aside: never replaced this run.
    bool m_userFileKept = false;
};
