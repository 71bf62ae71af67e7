// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "cseries.h"
#include "wordcategory.h"
#include <QString>
#include <memory>
#include <vector>

enum class UserBookError {
    None,
    NoBook,
    EmptyName,
    BadName,
    NotSaved
};
// What the learner is told; empty for None and NotSaved (a save failure
// names its file, see savenotice.h).
QString UserBookErrorText(UserBookError error);

// Root of the word bank: the user series at 0, the standard series of the
// word-bank file from 1 on. The only way to change the current selection.
class CWordBank {
public:
    QString Version;

    // Loads the user series (and its new-word book) and the series list.
    CWordBank();

    QString SeriesName(int Index) const;
    int SeriesNum() const { return int(m_series.size()) - 1; }
    QString SaveUnitStatus() const;
    bool SetCurrSeries(int iSeries);
    // Makes series, book and unit range the current course and the profile's
    // last course, all together; when any of them is not there nothing
    // changes (message 004 for a series that does not exist).
    bool SelectCourse(int iSeries, int iBook, int iStartUnit, int iEndUnit, WordCategory category);
    // The profile's last course, all words.
    bool RestoreLastCourse();

    // The user's books (series 0, books 1..): the rename or delete is saved
    // with the profile; UserBookError::NotSaved leaves the rename undone.
    UserBookError RenameUserBook(int bookID, const QString &newName);
    UserBookError DeleteUserBook(int bookID);
    // Position of the user's book of that name, -1 when there is none.
    int UserBookPosition(const QString &name) const;
    QString UserBookName(int bookID) const;
    bool GetSeriesByID(int Index, CSeries *&outSeries) const;
    bool GetSeriesByName(const QString &SeriesName, CSeries *&outSeries) const;
    bool LoadSeiresList();
    void LoadUnitStatus(const QString &iStr);
    bool GetNewWordUnitbyID(int Index, ClassUnit *&outUnit) const;
    // The word-bank file was read when the root was built.
    bool SeriesListLoaded() const { return m_listLoaded; }

private:
    int AddSeries(int id, const QString &name, const QString &desc);
    CSeries *Series(int Index) const { return m_series[size_t(Index)].get(); }

    std::vector<std::unique_ptr<CSeries>> m_series;
    bool m_listLoaded = false;
};
