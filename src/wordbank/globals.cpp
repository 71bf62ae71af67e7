// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "globals.h"
#include "classdbdictionary.h"
#include "classuser.h"
#include "cwordbank.h"
#include "helpers/texthelpers.h"
#include "sound/classplaysound.h"

ClassUser *gUser = nullptr;
ClassDBdictionary *gDictionary = nullptr;
CWordBank *gWordBank = nullptr;
CSeries *gCurrSeries = nullptr;
ClassBook *gCurrBook = nullptr;
ClassUnit *gCurrUnit = nullptr;
CWord *gCurrWord = nullptr;
int gTestMode = 0;

void ReleaseSharedObjects()
{
    gCurrWord = nullptr;
    gCurrUnit = nullptr;
    gCurrBook = nullptr;
    gCurrSeries = nullptr;
    delete gUser;
    gUser = nullptr;
    delete gWordBank;
    gWordBank = nullptr;
    delete gDictionary;
    gDictionary = nullptr;
    ReleasePlaySound();
    gUKWords.clear();
    gUSWords.clear();
    gTestMode = 0;
}
