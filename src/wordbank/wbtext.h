// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "helpers/texthelpers.h" // TrimSpaces
#include <QStringView>

// Integer part of the number a text starts with (leading spaces skipped,
// optional sign, digits, optional fraction); 0 when it starts with no number.
// Out-of-range values are clamped to the int range.
int ValInt(QStringView s);
