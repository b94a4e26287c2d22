#pragma once

#include "numbers/Extended.h"

#include <cstdint>
#include <vector>

// One strategy as the year-by-year accumulation sees it: plain values, already read from the controls.
struct TStrategyInputs
{
    Extended Rate = 0;                // yearly interest rate in percent
    Extended Inflation = 0;           // yearly inflation rate in percent, 0 when inflation is off
    std::int64_t DepositsPerYear = 1; // deposits per year, shared by both strategies
    std::int64_t Periods = 1;         // compounding periods per year
    bool SubAnnual = false;           // compounding more often than yearly: decides the first year
    bool Continuous = false;          // continuous compounding instead of compounding by periods
    std::int64_t StartLater = 0;      // whole years before the strategy starts
    std::int64_t Initial = 0;         // initial deposit, whole units
    std::int64_t Regular = 0;         // regular deposit per deposit date, whole units
    int Years = 1;                    // years shown, 1 to 50
};

// The balance of one year split three ways; the parts always add up to the balance.
struct TYearParts
{
    Extended Initial = 0;
    Extended Regular = 0;
    Extended Interest = 0;
};

struct TStrategyResult
{
    // Year y at index y - 1, each part rounded to whole units; all zero before a delayed start.
    std::vector<TYearParts> Years;
    // The last year's parts before rounding: the pie is cut from these.
    TYearParts Final;
    // The strategy's first year: the years before it are the delay.
    int FirstYear = 1;
};

// One compounding period of a strategy's first year, for showing how a year is worked out.
struct TPeriodStep
{
    Extended Earning = 0;       // regular deposits that bore interest in the period
    Extended Interest = 0;      // the period's interest
    Extended InterestSoFar = 0; // the year's interest up to the period's end
    Extended Paid = 0;          // regular deposits paid by the period's end, earning or not
};

// Computes the strategy year by year in extended precision, every operation in the order that makes the
// published whole units come out right (a value a hair below a half must stay below it).
TStrategyResult AccumulateStrategy(const TStrategyInputs& AInputs);

// The strategy's first year period by period, by the very steps AccumulateStrategy takes: one step for
// yearly compounding, none for continuous compounding, which has no periods.
std::vector<TPeriodStep> FirstYearPeriods(const TStrategyInputs& AInputs);

// AValue after ACount years of inflation at ARate percent, in today's money. A rate of 0 or less leaves
// the value as it is: deflation enters the growth rate but never inflates the deposits.
Extended DeflateValue(int ACount, Extended ARate, Extended AValue);

// The base continuous compounding raises to the rate times the years: the five-decimal 2.71828, not e.
Extended ContinuousBase();

// The total savings a year shows: its published parts as the bar series store them (64-bit doubles),
// added in extended precision.
Extended ShownTotal(const TYearParts& AParts);

enum class TPart
{
    Initial,
    Regular,
    Interest,
};

struct TPieSlice
{
    TPart Part;
    Extended Value; // whole units
};

// The slices of the final split, in part order; a part of 0 or less gets no slice, a part between 0 and
// 0.5 a slice of value 0.
std::vector<TPieSlice> PieSlices(const TYearParts& AFinal);
