// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fsrsmodel.h"
#include <algorithm>
#include <cmath>

namespace fsrs {
namespace {
const auto &w = kWeights;

double Decay()
{
    return -w[20];
}
// Chosen so that R(S, S) = 0.9 for every decay.
double Factor()
{
    static const double factor = std::pow(0.9, 1.0 / Decay()) - 1.0;
    return factor;
}
// Days per day of stability at a retention; the plan asks this for every memory.
double IntervalScale(double retention)
{
    static const double atDesired = (std::pow(kDesiredRetention, 1.0 / Decay()) - 1.0) / Factor();
    return retention == kDesiredRetention ? atDesired : (std::pow(retention, 1.0 / Decay()) - 1.0) / Factor();
}
double ClampStability(double s)
{
    return std::clamp(s, kMinStability, kMaxStability);
}
double ClampDifficulty(double d)
{
    return std::clamp(d, 1.0, 10.0);
}
// Unclamped: mean reversion pulls towards this value as it stands.
double RawInitialDifficulty(Grade g)
{
    return w[4] - std::exp(w[5] * (int(g) - 1)) + 1.0;
}
} // namespace

double Retrievability(double elapsedDays, double stability)
{
    if (stability <= 0)
        return 0;
    return std::pow(1.0 + Factor() * std::max(0.0, elapsedDays) / stability, Decay());
}

double InitialStability(Grade g)
{
    return std::max(w[int(g) - 1], 0.1);
}

double InitialDifficulty(Grade g)
{
    return ClampDifficulty(RawInitialDifficulty(g));
}

double NextDifficulty(double d, Grade g)
{
    const double delta = -w[6] * (int(g) - 3);
    // linear damping: steps shrink as D nears 10
    const double damped = d + delta * (10.0 - d) / 9.0;
    const double reverted = w[7] * RawInitialDifficulty(Grade::Easy) + (1.0 - w[7]) * damped;
    return ClampDifficulty(reverted);
}

double StabilityAfterRecall(double d, double s, double r, Grade g)
{
    const double hardPenalty = g == Grade::Hard ? w[15] : 1.0;
    const double easyBonus = g == Grade::Easy ? w[16] : 1.0;
    const double inc = std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1.0 - r)) - 1.0);
    return ClampStability(s * (1.0 + inc * hardPenalty * easyBonus));
}

double StabilityAfterLapse(double d, double s, double r)
{
    const double forgot = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0) * std::exp(w[14] * (1.0 - r));
    // a lapse never leaves a memory stronger than a same-day Again would
    return ClampStability(std::min(forgot, s / std::exp(w[17] * w[18])));
}

double StabilityAfterSameDay(double s, Grade g)
{
    double inc = std::exp(w[17] * (int(g) - 3 + w[18])) * std::pow(s, -w[19]);
    // only Again may weaken a memory within the day
    if (g != Grade::Again)
        inc = std::max(inc, 1.0);
    return ClampStability(s * inc);
}

MemoryState NextState(const MemoryState &m, int elapsedDays, Grade g)
{
    if (m.IsNew())
        return {InitialStability(g), InitialDifficulty(g)};
    const double d = ClampDifficulty(m.difficulty);
    const double s = ClampStability(m.stability);
    MemoryState next;
    next.difficulty = NextDifficulty(d, g);
    if (elapsedDays <= 0) {
        next.stability = StabilityAfterSameDay(s, g);
        return next;
    }
    const double r = Retrievability(elapsedDays, s);
    next.stability = g == Grade::Again ? StabilityAfterLapse(d, s, r) : StabilityAfterRecall(d, s, r, g);
    return next;
}

int NextInterval(double stability, double retention)
{
    if (!(stability > 0) || !(retention > 0 && retention < 1))
        return 1;
    const double days = stability * IntervalScale(retention);
    return int(std::clamp(std::round(days), 1.0, double(kMaxInterval)));
}

} // namespace fsrs
