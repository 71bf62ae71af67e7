// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Turns a dictionary-style IPA transcription ("ˈæpl", "ə ˈbɪt", British
// vowels) into the recogniser's phone names ("AE P AH L"), for words its own
// pronouncing dictionary lacks. Stress marks, slashes, spaces and brackets
// are dropped, unknown symbols skipped; "" when nothing is left.
QString IpaToArpabet(const QString &ipa);
