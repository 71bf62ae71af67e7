// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a game is worth: the seven games and their titles, the points of a
// right word, the coins of a perfect game and the correct ratio. The profile's
// score and coins change only through these rules.
#include <QString>
#include <optional>

namespace scoring {

// In the order of the games window's buttons; the value is gTestMode.
enum class Game {
    Recognise = 0, // 单词认认看
    Choose = 1,    // 单词选选看
    Flip = 2,      // 单词翻翻看
    Listen = 3,    // 单词听听看
    FillIn = 4,    // 字母填填看
    Arrange = 5,   // 单词排排看
    Dictation = 6, // 单词默写
};
inline constexpr int kGameCount = 7;
// gTestMode while no game is shown; never a game number.
inline constexpr int kNoGame = -1;
// ClassUnit::IsAllCompleted() when every game of the unit scored the full ratio.
inline constexpr int kAllGamesDone = 100;
// The ratio of a game with every word right at the first try.
inline constexpr int kFullRatio = 100;

inline constexpr int ModeOf(Game g) { return int(g); }
// The game numbered testMode, none outside 0..6.
std::optional<Game> GameOf(int testMode);

// "单词认认看" ... "单词默写"; "" outside 0..6.
QString GameTitle(int testMode);
inline QString GameTitle(Game g) { return GameTitle(ModeOf(g)); }

// Games 4 to 6 are spelled letter by letter.
inline bool IsLetterGame(int testMode) { return testMode >= ModeOf(Game::FillIn); }
inline bool IsLetterGame(Game g) { return IsLetterGame(ModeOf(g)); }

// Points for a word answered right at the first try of a round: 10, or 5 per
// letter in the letter games (any number from 4 up counts as one of them).
qint64 PointsForRight(int testMode, qsizetype letters);
// The letters a child spells for a word: those of its shown spelling
// ("colour" has 6 where its key "color" has 5), or of its key when it has
// none. Blanks, hyphens and apostrophes are not letters.
qsizetype SpelledLetters(const QString &shown, const QString &key);
// The points the result window names: ten per right word in every game.
qint64 ResultPoints(int right);

// (100 × right) div words, in whole numbers; 0 for no words.
int CorrectRatio(int right, int words);
// Every word answered right at the first try; never for no words.
inline bool IsPerfect(int right, int words) { return words > 0 && right == words; }
// Coins of a game with the given ratio: 1, or 3 in a letter game, for the
// full ratio; else 0.
int CoinsForResult(int testMode, int ratio);

// A running total plus a gain, held to the range of int.
int AddClamped(int total, qint64 gain);

} // namespace scoring
