#include "calc/Accumulation.h"

#include "numbers/Rounding.h"

#include <algorithm>

namespace {

// Stored constants: the extended values nearest to these decimals, which a correctly rounded division of
// exact whole numbers gives on every CPU. The base of continuous compounding is deliberately the
// five-decimal 2.71828, not e.
const Extended Percent = Extended(1) / 100;
const Extended GrowthBase = Extended(271828) / 100000;

// The running state of one strategy. Names follow the quantities: the initial deposit, the regular
// deposits that already bear interest, and the interest so far.
class TAccumulator
{
public:
    explicit TAccumulator(const TStrategyInputs& AInputs, std::vector<TPeriodStep>* ATrace = nullptr);

    void FirstYear();
    void AdvanceYear(int AYear);
    TYearParts Parts(int AYear) const;

private:
    // One compounding period on the balance before the period's deposits: (x × q) / n, in that order.
    void CompoundPeriod() { realInterest = (realInterest * q / n + realInterest) + depositInterest; }
    void SetInterestBearing(Extended ADeposits)
    {
        realDep = ADeposits;
        // Depends on realDep only, so it is recomputed when realDep changes rather than every period.
        depositInterest = (realintdep + realDep) * q / n;
    }
    Extended Ratio() const;
    // A period of the first year taken down for FirstYearPeriods; nothing is computed without a trace.
    void Record(Extended AEarning, Extended AInterestBefore, Extended APaid)
    {
        if (trace)
            trace->push_back({AEarning, realInterest - AInterestBefore, realInterest, APaid});
    }

    const TStrategyInputs& in;
    std::vector<TPeriodStep>* trace;
    Extended r;
    Extended q;
    Extended n;
    Extended yearDeposits; // one year's regular deposits, k × regular
    Extended realintdep;
    Extended realDep = 0;
    Extended realInterest = 0;
    Extended depositInterest = 0;
};

TAccumulator::TAccumulator(const TStrategyInputs& AInputs, std::vector<TPeriodStep>* ATrace)
    : in(AInputs), trace(ATrace), r(AInputs.Rate), n(Extended(AInputs.Periods)),
      // Multiplied in extended precision: a pasted amount near the 64-bit limit must not overflow.
      yearDeposits(Extended(AInputs.DepositsPerYear) * Extended(AInputs.Regular)),
      realintdep(Extended(AInputs.Initial))
{
    q = (r * Percent + 1) / (in.Inflation * Percent + 1) - 1;
}

Extended TAccumulator::Ratio() const
{
    if (in.DepositsPerYear < in.Periods)
        return n / Extended(in.DepositsPerYear);
    return 1;
}

void TAccumulator::FirstYear()
{
    if (in.Continuous) {
        realInterest = RoundTo((Power(GrowthBase, q) - 1) * realintdep, 0);
        realDep = yearDeposits;
        return;
    }
    if (!in.SubAnnual) {
        realInterest = realintdep * q;
        realDep = yearDeposits;
        Record(0, 0, realDep);
        return;
    }
    // The first period earns the simple difference of the rates; its deposits bear interest from the
    // second period on.
    realInterest = ((realintdep * Percent) * (r - in.Inflation)) / n;
    const Extended periodDeposits = yearDeposits / n;
    SetInterestBearing(periodDeposits);
    Record(0, 0, periodDeposits);
    Extended pending = realDep;
    std::int64_t counter = 0;
    const Extended ratio = Ratio();
    for (std::int64_t p = 1; p <= in.Periods - 1; ++p) {
        const Extended earning = realDep;
        const Extended before = realInterest;
        CompoundPeriod();
        pending = periodDeposits + pending;
        Record(earning, before, pending);
        ++counter;
        if (ratio <= Extended(counter + 1) || p == in.Periods - 1) {
            SetInterestBearing(pending);
            counter = 0;
        }
    }
}

void TAccumulator::AdvanceYear(int AYear)
{
    if (in.Continuous) {
        realInterest = RoundTo((Power(GrowthBase, Extended(AYear + 1) * q) - 1) * realintdep, 0);
        realDep = yearDeposits;
        return;
    }
    const Extended ratio = Ratio();
    const Extended periodDeposit = (Extended(in.DepositsPerYear) / n) * Extended(in.Regular);
    std::int64_t counter = 0;
    Extended pending = realDep;
    SetInterestBearing(realDep);
    for (std::int64_t p = 1; p <= in.Periods; ++p) {
        CompoundPeriod();
        pending = periodDeposit + pending;
        ++counter;
        // Deposits become interest-bearing in blocks of about `ratio` periods and at the end of every year.
        if (ratio <= Extended(counter + 1) || p == in.Periods) {
            SetInterestBearing(pending);
            counter = 0;
        }
    }
}

TYearParts TAccumulator::Parts(int AYear) const
{
    TYearParts parts;
    parts.Initial = DeflateValue(AYear, in.Inflation, realintdep);
    parts.Regular = DeflateValue(AYear, in.Inflation, realDep);
    // The interest part takes up whatever the deflated deposits leave of the balance.
    parts.Interest = ((realintdep + realDep) + realInterest) - parts.Initial - parts.Regular;
    return parts;
}

TYearParts Rounded(const TYearParts& AParts)
{
    return {RoundTo(AParts.Initial, 0), RoundTo(AParts.Regular, 0), RoundTo(AParts.Interest, 0)};
}

} // namespace

Extended DeflateValue(int ACount, Extended ARate, Extended AValue)
{
    if (ARate > 0) {
        const Extended factor = 1 / (ARate * Percent + 1);
        for (int year = 0; year < ACount; ++year)
            AValue = factor * AValue;
    }
    return AValue;
}

TStrategyResult AccumulateStrategy(const TStrategyInputs& AInputs)
{
    TStrategyResult result;
    const int years = std::max(AInputs.Years, 0);
    result.Years.resize(static_cast<std::size_t>(years));
    // The delay is kept below the number of years by the controls; bounding it here keeps a stray value
    // from turning the deflation loop into a long one.
    const int startLater = static_cast<int>(std::clamp<std::int64_t>(AInputs.StartLater, 0, years));

    result.FirstYear = startLater + 1;

    TAccumulator state(AInputs);
    state.FirstYear();
    TYearParts parts = state.Parts(startLater + 1);
    for (int y = 1; y <= years; ++y) {
        if (y <= startLater)
            continue; // not started yet: a year of zeros, and the state does not move
        result.Years[static_cast<std::size_t>(y - 1)] = Rounded(parts);
        state.AdvanceYear(y);
        if (y < years)
            parts = state.Parts(y + 1);
    }
    result.Final = parts;
    return result;
}

std::vector<TPeriodStep> FirstYearPeriods(const TStrategyInputs& AInputs)
{
    std::vector<TPeriodStep> steps;
    if (AInputs.Continuous)
        return steps;
    TAccumulator state(AInputs, &steps);
    state.FirstYear();
    return steps;
}

Extended ContinuousBase()
{
    return GrowthBase;
}

Extended ShownTotal(const TYearParts& AParts)
{
    const auto stored = [](Extended AValue) { return Extended(double(AValue)); };
    return stored(AParts.Initial) + (stored(AParts.Regular) + stored(AParts.Interest));
}

std::vector<TPieSlice> PieSlices(const TYearParts& AFinal)
{
    std::vector<TPieSlice> slices;
    const auto addIfPositive = [&slices](TPart APart, Extended AValue) {
        if (AValue > 0)
            slices.push_back({APart, RoundTo(AValue, 0)});
    };
    addIfPositive(TPart::Initial, AFinal.Initial);
    addIfPositive(TPart::Regular, AFinal.Regular);
    addIfPositive(TPart::Interest, AFinal.Interest);
    return slices;
}
