// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "cseries.h"
#include <QString>
#include <memory>
#include <vector>

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
    bool SetCurrUnit(int iSeries, int iBook, int iStartUnit, int iEndUnit, const QString &showCaption);
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
