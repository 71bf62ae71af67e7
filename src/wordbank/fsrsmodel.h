// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <array>

// FSRS-6: how a learner's memory of one item moves with each review.
// Stability S is the number of days until the chance of recall falls to
// 90 %; difficulty D runs from 1 (easy) to 10 (hard).
namespace fsrs {

// The published default parameters w0..w20.
inline constexpr std::array<double, 21> kWeights = {
    0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

inline constexpr double kDesiredRetention = 0.90;
inline constexpr double kMinStability = 0.001;
inline constexpr double kMaxStability = 36500;
inline constexpr int kMaxInterval = 36500;

enum class Grade {
    Again = 1,
    Hard = 2,
    Good = 3,
    Easy = 4
};

struct MemoryState {
    double stability = 0; // 0: never reviewed
    double difficulty = 0;
    bool IsNew() const { return stability <= 0; }
};

// Chance of recall after elapsedDays (negative counts as 0).
double Retrievability(double elapsedDays, double stability);
double InitialStability(Grade g);
double InitialDifficulty(Grade g);
double NextDifficulty(double d, Grade g);
double StabilityAfterRecall(double d, double s, double r, Grade g);
double StabilityAfterLapse(double d, double s, double r);
double StabilityAfterSameDay(double s, Grade g);
// The state after a review elapsedDays after the last one: the first review,
// a second one the same day (elapsedDays <= 0), a recall or a lapse.
MemoryState NextState(const MemoryState &m, int elapsedDays, Grade g);
// Whole days until recall is expected to fall to the retention, at least 1.
int NextInterval(double stability, double retention = kDesiredRetention);

} // namespace fsrs
