// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>

// The recogniser's dictionary name for a word: "x_" and the word's letters
// and digits in lower case ("good morning" and "good-morning" -> "x_goodmorning",
// "Mr." -> "x_mr"). "" when the word has neither.
QString SayToken(const QString &english);
// The phones of the filler, each a one-phone dictionary word "ph_<phone>".
const QStringList &FillerPhones();
QString FillerToken(const QString &phone);

// The grammars are written as pocketsphinx finite-state grammars: its JSGF
// compiler joins a repeated rule back to the start of its caller and drops
// alternative weights.
//
// One check: exactly one of the words (tokens; duplicates and empty ones
// dropped), with optional silence around it.
QString SayGrammar(const QStringList &wordTokens);
// The filler: a free run of phones at no cost, the best any sound can be
// fitted; a word is heard only when it fits at least as well.
QString PhoneLoopGrammar();
