// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classbook.h"
#include "classdbdictionary.h"
#include "classuser.h"
#include "globals.h"
#include "helpers/texthelpers.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

ClassBook::ClassBook()
{
    m_units.push_back(std::make_unique<ClassUnit>());
}

void ClassBook::ChangeBookID(int inBookID)
{
    for (const auto &u : m_units) {
        if (u)
            u->BookID = inBookID;
    }
}

QString ClassBook::ListAllUnitStatus() const
{
    QString units;
    for (int i = 1; i <= UnitNum(); ++i) {
        const QString status = Unit(i)->GetUnitStatus();
        if (!status.isEmpty())
            units += QStringLiteral("\t#") + Unit(i)->UnitName + QLatin1Char('-') + status;
    }
    if (units.isEmpty())
        return QString();
    return QLatin1Char('%') + BookName + QLatin1Char('\t') + units;
}

QString ClassBook::BookString() const
{
    QString s = QLatin1Char('%') + BookName + kCrLf + kCrLf;
    for (int i = 1; i <= UnitNum(); ++i)
        s += Unit(i)->UnitString() + kCrLf;
    return s;
}

QString ClassBook::UnitName(int Index) const
{
    return (Index >= 1 && Index <= UnitNum()) ? Unit(Index)->UnitName : QString();
}

int ClassBook::AddNewUnit(const QString &UnitName, ClassUnit *&outUnit)
{
    const QString name = StripTabsTrim(UnitName);
    if (name.isEmpty())
        return -1;
    for (int i = 1; i <= UnitNum(); ++i) {
        if (Unit(i)->UnitName == name)
            return i;
    }
    auto unit = std::make_unique<ClassUnit>();
    unit->UnitName = name;
    unit->UnitID = int(m_units.size());
    outUnit = unit.get();
    m_units.push_back(std::move(unit));
    return UnitNum();
}

int ClassBook::AddNewUnit(const QString &UnitName)
{
    ClassUnit *ignored = nullptr;
    return AddNewUnit(UnitName, ignored);
}

bool ClassBook::GetUnitbyID(int UnitID, ClassUnit *&outUnit) const
{
    if (UnitID < 0 || UnitID > UnitNum() || !Unit(UnitID))
        return false;
    outUnit = Unit(UnitID);
    return true;
}

bool ClassBook::GetUnitByName(const QString &UnitName, ClassUnit *&outUnit) const
{
    for (int i = 1; i <= UnitNum(); ++i) {
        if (Unit(i)->UnitName == UnitName) {
            outUnit = Unit(i);
            return true;
        }
    }
    return false;
}

bool ClassBook::RangeOk(int sUnitIndex, int eUnitIndex) const
{
    return UnitNum() >= 1 && eUnitIndex <= UnitNum() && sUnitIndex <= eUnitIndex && sUnitIndex >= 1;
}

bool ClassBook::CanSetCurrUnit(int sUnitIndex, int eUnitIndex, WordCategory category) const
{
    // one whole unit is taken as it is; anything else is merged into unit 0
    return RangeOk(sUnitIndex, eUnitIndex) && ((category == WordCategory::All && sUnitIndex == eUnitIndex) || Unit(0));
}

bool ClassBook::SetCurrUnit(int sUnitIndex, int eUnitIndex, WordCategory category)
{
    if (!CanSetCurrUnit(sUnitIndex, eUnitIndex, category))
        return false;
    if (category == WordCategory::All && sUnitIndex == eUnitIndex) {
        ClassUnit *u = Unit(sUnitIndex);
        u->UnitCaption = u->UnitName + QStringLiteral("【共有单词 ") + QString::number(u->WordNum()) + QStringLiteral(" 个】");
        gCurrUnit = u;
    } else {
        if (!GetManyUnits(sUnitIndex, eUnitIndex, category))
            return false;
        gCurrUnit = Unit(0);
    }
    if (gUser) {
        gUser->nLastStartUnit = sUnitIndex;
        gUser->nLastEndUnit = eUnitIndex;
    }
    return true;
}

bool ClassBook::GetManyUnits(int sUnitIndex, int eUnitIndex, WordCategory category)
{
    // the new-word book has no merge unit
    if (!RangeOk(sUnitIndex, eUnitIndex) || !Unit(0))
        return false;
    ClassUnit *merged = Unit(0);
    // results belong to the selection they were played on
    const QString selection = QString::number(sUnitIndex) + QLatin1Char('-') + QString::number(eUnitIndex)
                              + QLatin1Char('-') + CategoryLabel(category);
    if (merged->MergedSelection != selection) {
        merged->ResetUnitStatus();
        merged->MergedSelection = selection;
    }
    return CollectUnits(sUnitIndex, eUnitIndex, category, *merged);
}

bool ClassBook::CollectUnits(int sUnitIndex, int eUnitIndex, WordCategory category, ClassUnit &outUnit) const
{
    if (!RangeOk(sUnitIndex, eUnitIndex))
        return false;
    outUnit.Clear();
    for (int i = sUnitIndex; i <= eUnitIndex; ++i)
        outUnit.AddNewUnit(*Unit(i), category);
    const QString tail = QStringLiteral("【") + CategoryLabel(category) + QStringLiteral("：") + QString::number(outUnit.WordNum())
                         + QStringLiteral("个】");
    if (sUnitIndex == eUnitIndex)
        outUnit.UnitCaption = Unit(sUnitIndex)->UnitName + tail;
    else
        outUnit.UnitCaption = Unit(sUnitIndex)->UnitName + QStringLiteral(" <--> ") + Unit(eUnitIndex)->UnitName + tail;
    return true;
}

bool ClassBook::OwnsUnit(const ClassUnit *unit) const
{
    if (!unit)
        return false;
    for (const auto &u : m_units) {
        if (u.get() == unit)
            return true;
    }
    return false;
}

void ClassBook::SetNewBook()
{
    if (!IsNewWordBook())
        return;
    m_units.clear();
    m_units.push_back(nullptr);
    for (int k = 1; k <= 5; ++k) {
        auto unit = std::make_unique<ClassUnit>();
        unit->UnitName = QStringLiteral("生词本") + QString::number(k);
        unit->UnitCaption = unit->UnitName;
        unit->UnitID = k;
        if (gDictionary)
            gDictionary->GenNewWord(k, unit.get());
        m_units.push_back(std::move(unit));
    }
}

void ClassBook::ClearNewWord(int Index)
{
    if (!IsNewWordBook() || Index < 1 || Index > UnitNum())
        return;
    ClassUnit *u = Unit(Index);
    // words marked since the unit was last filled go too
    if (gDictionary)
        gDictionary->GenNewWord(Index, u);
    CWord *w = nullptr;
    for (int i = 1; u->GetWord(i, w); ++i)
        w->SetNewWord(Index, false);
    u->Clear();
}

void ClassBook::AddNewWord(int Index, CWord *iWord)
{
    if (!IsNewWordBook() || Index < 1 || Index > UnitNum() || !iWord)
        return;
    iWord->SetNewWord(Index, true);
    Unit(Index)->AddNewWord(iWord);
}

void ClassBook::DelNewWord(int Index, CWord *iWord)
{
    if (!IsNewWordBook() || Index < 1 || Index > UnitNum() || !iWord)
        return;
    iWord->SetNewWord(Index, false);
    ClassUnit *u = Unit(Index);
    u->Clear();
    if (gDictionary)
        gDictionary->GenNewWord(Index, u);
}
