#pragma once

#include "calc/Accumulation.h"
#include "rules/InputLimits.h"

#include <QString>
#include <cstdint>

// The input a goal is reached by changing.
enum class TGoalChange
{
    RegularDeposit,
    InitialDeposit,
    InterestRate,
    NumberOfYears,
};

// The answer is sought in the range of the field it goes into (rules/InputLimits.h). The largest total
// that can be asked for:
inline constexpr std::int64_t MaxGoalTarget = 999999999999;

struct TGoalAnswer
{
    // Whether the total reaches the target; when not, Value is the end of the range.
    bool Reached = false;
    // Whole units for a deposit, hundredths of a percent for the rate, years for the number of years.
    std::int64_t Value = 0;
    // The total savings the window shows for Value, and after how many years.
    Extended Total = 0;
    int Years = 1;
};

// The smallest value of AChange that makes the total savings of AStrategy reach ATarget, every other input
// as AStrategy has it: after AStrategy.Years years for a deposit or the rate, and with the next smaller
// value falling short; the fewest years otherwise. The totals come from the window's own calculation.
TGoalAnswer SolveGoal(const TStrategyInputs& AStrategy, TGoalChange AChange, std::int64_t ATarget);
