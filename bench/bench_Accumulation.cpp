#include "calc/Accumulation.h"

#include <QTest>
#include <cstdint>

namespace {

// Results land here so the optimiser must compute them; a volatile store is the cheapest use there is.
volatile long double Sink = 0;

void Keep(Extended AValue)
{
    Sink = static_cast<long double>(AValue);
}

// $1,000 initial, $100 once a year, yearly compounding, 5.00 %, 10 years: the window's defaults.
TStrategyInputs Typical()
{
    TStrategyInputs in;
    in.Rate = 5;
    in.Initial = 1000;
    in.Regular = 100;
    in.Years = 10;
    return in;
}

TStrategyInputs TypicalMonthly()
{
    TStrategyInputs in = Typical();
    in.DepositsPerYear = 12;
    in.Periods = 12;
    in.SubAnnual = true;
    return in;
}

// The longest loop the accumulation can run: 3650 periods a year (continuous coded as periods) for 50 years,
// with inflation so the rate is not a round number.
TStrategyInputs WorstByPeriods()
{
    TStrategyInputs in = Typical();
    in.Periods = 3650;
    in.SubAnnual = true;
    in.Years = 50;
    in.Inflation = 3;
    return in;
}

const Extended Percent = Extended(1) / 100;

struct TBareState
{
    Extended Initial;
    Extended Bearing; // deposits already bearing interest
    Extended Interest;
};

// The accumulation's period loop written out flat, with nothing around it: the same extended operations
// in the same order, the same block test and the same year boundaries, but no result vector, no deflation
// and no rounding. noipa keeps the two calls per iteration from being merged or folded into constants.
[[gnu::noipa]] TBareState BareLoop(const TStrategyInputs& in, int AAdvancedYears)
{
    const Extended r = in.Rate;
    const Extended n = Extended(in.Periods);
    const Extended q = (r * Percent + 1) / (in.Inflation * Percent + 1) - 1;
    const Extended initial = Extended(in.Initial);
    const Extended yearDeposits = Extended(in.DepositsPerYear) * Extended(in.Regular);
    const Extended ratio = in.DepositsPerYear < in.Periods ? n / Extended(in.DepositsPerYear) : Extended(1);

    // First year: one period fewer, its deposits bearing interest from the second period on.
    Extended interest = ((initial * Percent) * (r - in.Inflation)) / n;
    const Extended periodDeposits = yearDeposits / n;
    Extended bearing = periodDeposits;
    Extended depositInterest = (initial + bearing) * q / n;
    Extended pending = bearing;
    std::int64_t counter = 0;
    for (std::int64_t p = 1; p <= in.Periods - 1; ++p) {
        interest = (interest * q / n + interest) + depositInterest;
        pending = periodDeposits + pending;
        ++counter;
        if (ratio <= Extended(counter + 1) || p == in.Periods - 1) {
            bearing = pending;
            depositInterest = (initial + bearing) * q / n;
            counter = 0;
        }
    }

    for (int year = 1; year <= AAdvancedYears; ++year) {
        const Extended periodDeposit = (Extended(in.DepositsPerYear) / n) * Extended(in.Regular);
        counter = 0;
        pending = bearing;
        depositInterest = (initial + bearing) * q / n;
        for (std::int64_t p = 1; p <= in.Periods; ++p) {
            interest = (interest * q / n + interest) + depositInterest;
            pending = periodDeposit + pending;
            ++counter;
            if (ratio <= Extended(counter + 1) || p == in.Periods) {
                bearing = pending;
                depositInterest = (initial + bearing) * q / n;
                counter = 0;
            }
        }
    }
    return {initial, bearing, interest};
}

} // namespace

class BenchAccumulation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bareLoopMatchesAccumulation();
    void typicalYearly();
    void typicalMonthly();
    void worstByPeriodsTwice();
    void bareLoopTwice();
};

// Not a timing: the ratio against the bare loop only means something if both do the same arithmetic, so the
// bare loop must land on the very bits the accumulation publishes.
void BenchAccumulation::bareLoopMatchesAccumulation()
{
    const TStrategyInputs in = WorstByPeriods();
    const TStrategyResult result = AccumulateStrategy(in);
    // The published last year is the state after Years - 1 advances, deflated over Years years.
    const TBareState bare = BareLoop(in, in.Years - 1);
    const Extended initial = DeflateValue(in.Years, in.Inflation, bare.Initial);
    const Extended regular = DeflateValue(in.Years, in.Inflation, bare.Bearing);
    const Extended interest = ((bare.Initial + bare.Bearing) + bare.Interest) - initial - regular;
    QVERIFY(result.Final.Initial == initial);
    QVERIFY(result.Final.Regular == regular);
    QVERIFY(result.Final.Interest == interest);
}

void BenchAccumulation::typicalYearly()
{
    const TStrategyInputs in = Typical();
    QBENCHMARK
    {
        Keep(AccumulateStrategy(in).Final.Interest);
    }
}

void BenchAccumulation::typicalMonthly()
{
    const TStrategyInputs in = TypicalMonthly();
    QBENCHMARK
    {
        Keep(AccumulateStrategy(in).Final.Interest);
    }
}

// Twice: a comparison computes both sides.
void BenchAccumulation::worstByPeriodsTwice()
{
    const TStrategyInputs in = WorstByPeriods();
    QBENCHMARK
    {
        Keep(AccumulateStrategy(in).Final.Interest);
        Keep(AccumulateStrategy(in).Final.Interest);
    }
}

// The floor for the case above: every year the accumulation runs (the first and 50 advances), twice.
void BenchAccumulation::bareLoopTwice()
{
    const TStrategyInputs in = WorstByPeriods();
    QBENCHMARK
    {
        Keep(BareLoop(in, in.Years).Interest);
        Keep(BareLoop(in, in.Years).Interest);
    }
}

QTEST_GUILESS_MAIN(BenchAccumulation)
#include "bench_Accumulation.moc"
