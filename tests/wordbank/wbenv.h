// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One test's world: a fake platform, a fresh application folder, a new
// profile, and the shared objects released again afterwards.
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "wbfixture.h"
#include "helpers/apppaths.h"
#include "helpers/texthelpers.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classuser.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "wordbank/savenotice.h"

struct WordBankEnv {
    ScopedFakePlatform fake;
    TempAppDir dir;

    WordBankEnv()
    {
        ReleaseSharedObjects();
        ResetSaveNotices();
        gUser = new ClassUser;
    }
    ~WordBankEnv()
    {
        ReleaseSharedObjects();
        ResetSaveNotices();
    }

    // Writes the installation and builds the dictionary and the word bank.
    bool Load(const wbfix::Install &what = wbfix::Install())
    {
        if (!wbfix::Write(dir, what))
            return false;
        gDictionary = new ClassDBdictionary;
        if (!gDictionary->InitDict())
            return false;
        gWordBank = new CWordBank;
        return true;
    }

    static CSeries *Series(int s)
    {
        CSeries *series = nullptr;
        return gWordBank && gWordBank->GetSeriesByID(s, series) ? series : nullptr;
    }
    // A standard series, loaded.
    static CSeries *Loaded(int s)
    {
        CSeries *series = Series(s);
        if (series)
            series->LoadStandardSeries();
        return series;
    }
    static ClassBook *Book(int s, int b)
    {
        ClassBook *book = nullptr;
        CSeries *series = Series(s);
        return series && series->GetBookByID(b, book) ? book : nullptr;
    }
    static ClassUnit *Unit(int s, int b, int u)
    {
        ClassUnit *unit = nullptr;
        ClassBook *book = Book(s, b);
        return book && book->GetUnitbyID(u, unit) ? unit : nullptr;
    }
    static CWord *Word(const QString &spelling)
    {
        CWord *w = nullptr;
        return gDictionary && gDictionary->SetWord(w, spelling) ? w : nullptr;
    }
    // English display spellings of a unit, in order.
    static QStringList Spellings(const ClassUnit *unit)
    {
        QStringList out;
        for (int i = 1; unit && i <= unit->WordNum(); ++i)
            out << unit->English(i);
        return out;
    }
    static QStringList Keys(const ClassUnit *unit)
    {
        QStringList out;
        CWord *w = nullptr;
        for (int i = 1; unit && unit->GetWord(i, w); ++i)
            out << w->English;
        return out;
    }
};
