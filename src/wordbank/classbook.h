// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "classunit.h"
#include <QString>
#include <memory>
#include <vector>

// A textbook: units 1..UnitNum in file order; unit 0 is the merge target of
// range and category selections. The new-word book has units 1..5 and no
// unit 0.
class ClassBook {
public:
    int SeriesID = 0;
    QString BookName;
    int BookID = 0;

    ClassBook();

    void ChangeBookID(int inBookID);
    QString ListAllUnitStatus() const;
    QString BookString() const;
    int UnitNum() const { return int(m_units.size()) - 1; }
    QString UnitName(int Index) const;
    // -1 for an empty name; the position of an existing unit of that name
    // (outUnit untouched); else the position of the new unit.
    int AddNewUnit(const QString &UnitName, ClassUnit *&outUnit);
    int AddNewUnit(const QString &UnitName);
    bool GetUnitbyID(int UnitID, ClassUnit *&outUnit) const;
    bool GetUnitByName(const QString &UnitName, ClassUnit *&outUnit) const;
    // True when SetCurrUnit with these arguments would succeed.
    bool CanSetCurrUnit(int sUnitIndex, int eUnitIndex, WordCategory category) const;
    bool SetCurrUnit(int sUnitIndex, int eUnitIndex, WordCategory category);
    bool GetManyUnits(int sUnitIndex, int eUnitIndex, WordCategory category);
    // The words of units sUnitIndex..eUnitIndex in the category, and the
    // caption such a range gets, into a unit the caller owns; false (outUnit
    // untouched) for a range outside the book.
    bool CollectUnits(int sUnitIndex, int eUnitIndex, WordCategory category, ClassUnit &outUnit) const;

    // New-word book
    bool IsNewWordBook() const { return SeriesID == 0 && BookID == 0; }
    void SetNewBook();
    void ClearNewWord(int Index);
    void AddNewWord(int Index, CWord *iWord);
    void DelNewWord(int Index, CWord *iWord);

    // True when unit is one of this book's units (0..UnitNum).
    bool OwnsUnit(const ClassUnit *unit) const;

private:
    bool RangeOk(int sUnitIndex, int eUnitIndex) const;
    ClassUnit *Unit(int Index) const { return m_units[size_t(Index)].get(); }

    std::vector<std::unique_ptr<ClassUnit>> m_units; // slot 0: merge unit
};
