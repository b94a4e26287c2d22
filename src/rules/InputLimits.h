#pragma once

#include <cstdint>

// The ranges of the window's inputs, kept here once for everything that holds to them: the fields' edit
// rules, the years box, "Reach a goal" and what reads a plan.

// The largest deposit a money field takes.
inline constexpr std::int64_t MaxAmount = 999999;
// The largest yearly rate a rate field takes, in hundredths of a percent and as a number (99.99).
inline constexpr std::int64_t MaxRateHundredths = 9999;
inline constexpr long double MaxRate = MaxRateHundredths / 100.0L;
// The number of years a strategy runs.
inline constexpr int MinYears = 1;
inline constexpr int MaxYears = 50;
