#pragma once

#include "calc/Accumulation.h"

#include <cstdint>
#include <string>
#include <vector>

// The accumulation's worked examples as plain data, so the Qt tests and the Qt-free checks that run on
// other CPUs share one table.
namespace WorkedExamples {
// $1,000 initial, $100 once a year, yearly compounding, 5.00 %, 10 years, no inflation.
inline TStrategyInputs Defaults()
{
    TStrategyInputs in;
    in.Rate = 5;
    in.Initial = 1000;
    in.Regular = 100;
    in.Years = 10;
    return in;
}

inline TStrategyInputs Compounding(TStrategyInputs AIn, std::int64_t APeriods)
{
    AIn.Periods = APeriods;
    AIn.SubAnnual = APeriods != 1;
    return AIn;
}

inline TStrategyInputs WithInflation(TStrategyInputs AIn, Extended AInflation)
{
    AIn.Inflation = AInflation;
    return AIn;
}

inline TStrategyInputs Continuous(TStrategyInputs AIn)
{
    AIn = Compounding(AIn, 3650);
    AIn.Continuous = true;
    return AIn;
}

// One published year of a strategy: its three rounded parts.
struct TYear
{
    std::string Name;
    TStrategyInputs Inputs;
    int Year;
    double Initial;
    double Regular;
    double Interest;
};

inline std::vector<TYear> Years()
{
    std::vector<TYear> rows;
    const auto add = [&rows](const std::string& AName, const TStrategyInputs& AIn, int AYear, double AInitial,
                             double ARegular, double AInterest) {
        rows.push_back({AName, AIn, AYear, AInitial, ARegular, AInterest});
    };

    // Year 2 is 107, not 108: q lands a hair below 0.05 in extended precision.
    const double defaultInterest[] = {50, 107, 173, 247, 329, 420, 521, 632, 754, 887};
    for (int year = 1; year <= 10; ++year)
        add("default table, year " + std::to_string(year), Defaults(), year, 1000, 100.0 * year,
            defaultInterest[year - 1]);

    const TStrategyInputs inflation = WithInflation(Defaults(), 3);
    add("inflation 3.00 year 1", inflation, 1, 971, 97, 51);
    add("inflation 3.00 year 2 rounds each part", inflation, 2, 943, 189, 110);
    add("inflation 3.00 year 10", inflation, 10, 744, 744, 816);

    TStrategyInputs rateZero = inflation;
    rateZero.Rate = 0;
    add("rate 0 with inflation keeps interest positive", rateZero, 1, 971, 97, 3);

    const TStrategyInputs monthly = Compounding(Defaults(), 12);
    add("monthly compounding, yearly deposits, year 1", monthly, 1, 1000, 100, 52);
    add("monthly compounding, yearly deposits, year 10", monthly, 10, 1000, 1000, 916);
    add("quarterly compounding, yearly deposits, year 10", Compounding(Defaults(), 4), 10, 1000, 1000, 919);

    TStrategyInputs monthlyDeposits = Defaults();
    monthlyDeposits.DepositsPerYear = 12;
    add("monthly deposits, monthly compounding, year 1", Compounding(monthlyDeposits, 12), 1, 1000, 1200, 79);
    add("monthly deposits, monthly compounding, year 10", Compounding(monthlyDeposits, 12), 10, 1000, 12000,
        4175);
    add("monthly deposits, quarterly compounding, year 1", Compounding(monthlyDeposits, 4), 1, 1000, 1200,
        74);
    add("monthly deposits, quarterly compounding, year 10", Compounding(monthlyDeposits, 4), 10, 1000, 12000,
        4090);

    TStrategyInputs continuousNoDeposit = Continuous(Defaults());
    continuousNoDeposit.Regular = 0;
    const double continuousInterest[] = {51, 105, 162, 221, 284, 350, 419, 492, 568, 649};
    for (int year = 1; year <= 10; ++year)
        add("continuous without deposits, year " + std::to_string(year), continuousNoDeposit, year, 1000, 0,
            continuousInterest[year - 1]);
    add("continuous with yearly deposit, year 1: deposit earns nothing", Continuous(Defaults()), 1, 1000, 100,
        51);
    add("continuous with yearly deposit, year 3: deposit is no running total", Continuous(Defaults()), 3,
        1000, 100, 162);
    // The inflation comparison of a continuous strategy runs by periods: 648.716 against 648.721.
    TStrategyInputs byPeriods = Compounding(Defaults(), 3650);
    byPeriods.Regular = 0;
    add("continuous computed by 3650 periods, year 10", byPeriods, 10, 1000, 0, 649);

    // The alternative strategy: $75 a year, monthly compounding.
    TStrategyInputs alternative = Compounding(Defaults(), 12);
    alternative.Regular = 75;
    const double altInterest[] = {51, 109, 174};
    for (int year = 1; year <= 3; ++year)
        add("alternative $75 yearly, monthly compounding, year " + std::to_string(year), alternative, year,
            1000, 75.0 * year, altInterest[year - 1]);
    TStrategyInputs quarterlyDeposits = alternative;
    quarterlyDeposits.DepositsPerYear = 4;
    const double quarterlyInterest[] = {58, 133, 228};
    for (int year = 1; year <= 3; ++year)
        add("alternative $75 quarterly, monthly compounding, year " + std::to_string(year), quarterlyDeposits,
            year, 1000, 300.0 * year, quarterlyInterest[year - 1]);

    TStrategyInputs delayed = alternative;
    delayed.StartLater = 2;
    add("delayed by 2 years: year 3 is the first", delayed, 3, 1000, 75, 51);
    TStrategyInputs delayedInflation = WithInflation(Defaults(), 3);
    delayedInflation.Regular = 75;
    delayedInflation.StartLater = 2;
    add("delayed by 2 years with inflation: deflated over 3 years", delayedInflation, 3, 915, 69, 111);

    add("negative inflation enters the rate but never inflates the deposits", WithInflation(Defaults(), -2),
        1, 1000, 100, 71);
    return rows;
}
} // namespace WorkedExamples
