// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Transcriptions are shown in this family; font/Ksphonet.ttf of the
// installation carries it.
inline const QString kPhoneticFontFamily = QStringLiteral("Charis SIL");
inline const QString kPhoneticFontFile = QStringLiteral("font/Ksphonet.ttf");

// True when the phonetic family is among the fonts the program can use
// (exact, case-sensitive name).
bool IsPhoneticFontInstalled();
// Makes the shipped font file usable for this run by registering it with the
// font database. Failures are silent: the word reader keeps offering help.
void InstallPhoneticFont();
// The old Windows family that needed the font copied by hand. Never this system.
bool IsWindowsNT5();
// Registers the shipped font when its family is not there yet.
void EnsurePhoneticFont();
