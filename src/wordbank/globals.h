// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class ClassUser;
class ClassDBdictionary;
class CWordBank;
class CSeries;
class ClassBook;
class ClassUnit;
class CWord;

// The shared objects of the run; null until created and after release.
extern ClassUser *gUser;
extern ClassDBdictionary *gDictionary;
extern CWordBank *gWordBank;
extern CSeries *gCurrSeries; // owned by gWordBank
extern ClassBook *gCurrBook; // owned by gWordBank
extern ClassUnit *gCurrUnit; // owned by gWordBank
extern CWord *gCurrWord;     // owned by gDictionary
// The game being played (0..6); 0 at start.
extern int gTestMode;

// Releases the shared objects in the shutdown order (profile, word bank,
// dictionary, sound player) and sets every pointer to null. Saves nothing.
void ReleaseSharedObjects();
