// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every game answer updates the word's memory on the game's track. Called
// after each recorded answer (the score panel's refresh): the first outcome
// of each word in the round, as the round keeps it, becomes its grade.
namespace reviewgrading {
void AfterAnswer();
// Forgets the round (tests; a new games window).
void Reset();
}
