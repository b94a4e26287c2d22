#include "goal/GoalSolver.h"

#include "numbers/text/TextToNumber.h"
#include "rules/EditRules.h"

#include <algorithm>

namespace {

// AStrategy with AChange set to AValue, the way the window reads that value from its field.
TStrategyInputs With(TStrategyInputs AStrategy, TGoalChange AChange, std::int64_t AValue)
{
    switch (AChange) {
    case TGoalChange::RegularDeposit:
        AStrategy.Regular = AValue;
        break;
    case TGoalChange::InitialDeposit:
        AStrategy.Initial = AValue;
        break;
    case TGoalChange::InterestRate:
        AStrategy.Rate = StrToFloatDef(RateText(AValue), 0);
        break;
    case TGoalChange::NumberOfYears:
        AStrategy.Years = int(AValue);
        break;
    }
    return AStrategy;
}

Extended TotalAfterLastYear(const TStrategyInputs& AStrategy)
{
    return ShownTotal(AccumulateStrategy(AStrategy).Years.back());
}

// Bisection over a range whose totals grow with the value: the lowest value reaching the target, found
// between one that falls short and one that reaches it.
TGoalAnswer SolveByValue(const TStrategyInputs& AStrategy, TGoalChange AChange, Extended ATarget,
                         std::int64_t AMaximum)
{
    const auto total = [&](std::int64_t AValue) {
        return TotalAfterLastYear(With(AStrategy, AChange, AValue));
    };
    TGoalAnswer answer{true, 0, total(0), AStrategy.Years};
    if (answer.Total >= ATarget)
        return answer;
    answer = {false, AMaximum, total(AMaximum), AStrategy.Years};
    if (answer.Total < ATarget)
        return answer;
    answer.Reached = true;
    std::int64_t fallsShort = 0;
    while (answer.Value - fallsShort > 1) {
        const std::int64_t middle = fallsShort + (answer.Value - fallsShort) / 2;
        const Extended middleTotal = total(middle);
        if (middleTotal >= ATarget)
            answer = {true, middle, middleTotal, AStrategy.Years};
        else
            fallsShort = middle;
    }
    return answer;
}

// Every year in turn, not a bisection: with inflation above the rate the total can shrink from one year to
// the next. The years of one run are those of shorter runs, so one run of the longest period serves all.
TGoalAnswer SolveByYears(TStrategyInputs AStrategy, Extended ATarget)
{
    AStrategy.Years = MaxYears;
    AStrategy.StartLater = 0;
    const TStrategyResult result = AccumulateStrategy(AStrategy);
    TGoalAnswer answer;
    for (int year = MinYears; year <= MaxYears; ++year) {
        answer = {false, year, ShownTotal(result.Years[std::size_t(year - 1)]), year};
        if (answer.Total >= ATarget) {
            answer.Reached = true;
            break;
        }
    }
    return answer;
}

} // namespace

TGoalAnswer SolveGoal(const TStrategyInputs& AStrategy, TGoalChange AChange, std::int64_t ATarget)
{
    TStrategyInputs strategy = AStrategy;
    strategy.Years = std::clamp(strategy.Years, MinYears, MaxYears);
    const Extended target = Extended(std::max<std::int64_t>(ATarget, 0));
    switch (AChange) {
    case TGoalChange::RegularDeposit:
    case TGoalChange::InitialDeposit:
        return SolveByValue(strategy, AChange, target, MaxAmount);
    case TGoalChange::InterestRate:
        return SolveByValue(strategy, AChange, target, MaxRateHundredths);
    case TGoalChange::NumberOfYears:
        break;
    }
    return SolveByYears(strategy, target);
}
