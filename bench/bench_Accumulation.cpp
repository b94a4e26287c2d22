#include "calc/Accumulation.h"

#include <QTest>
#include <cstdint>

namespace {

// Results land here so the optimiser must compute them; a volatile store is the cheapest use there is.
volatile long double Sink = 0;

// $1,000 initial, $100 once a year, yearly compounding, 5.00 %, 10 years: the window's defaults.
TStrategyInputs Typical()
{
    TStrategyInputs in;
    in.Rate = 5.0L;
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
    in.Inflation = 3.0L;
    return in;
}

struct TBareState
{
    long double Initial;
    long double Bearing;  // deposits already bearing interest
    long double Interest;
};

// The accumulation's period loop written out flat, with nothing around it: the same long double operations
// in the same order, the same block test and the same year boundaries, but no result vector, no deflation
// and no rounding. noipa keeps the two calls per iteration from being merged or folded into constants.
[[gnu::noipa]] TBareState BareLoop(const TStrategyInputs& in, int AAdvancedYears)
{
    const long double r = in.Rate;
    const long double n = static_cast<long double>(in.Periods);
    const long double q = (r * 0.01L + 1) / (in.Inflation * 0.01L + 1) - 1;
    const long double initial = static_cast<long double>(in.Initial);
    const long double yearDeposits =
        static_cast<long double>(in.DepositsPerYear) * static_cast<long double>(in.Regular);
    const long double ratio =
        in.DepositsPerYear < in.Periods ? n / static_cast<long double>(in.DepositsPerYear) : 1.0L;

    // First year: one period fewer, its deposits bearing interest from the second period on.
    long double interest = ((initial * 0.01L) * (r - in.Inflation)) / n;
    const long double periodDeposits = yearDeposits / n;
    long double bearing = periodDeposits;
    long double depositInterest = (initial + bearing) * q / n;
    long double pending = bearing;
    std::int64_t counter = 0;
    for (std::int64_t p = 1; p <= in.Periods - 1; ++p) {
        interest = (interest * q / n + interest) + depositInterest;
        pending = periodDeposits + pending;
        ++counter;
        if (ratio <= static_cast<long double>(counter + 1) || p == in.Periods - 1) {
            bearing = pending;
            depositInterest = (initial + bearing) * q / n;
            counter = 0;
        }
    }

    for (int year = 1; year <= AAdvancedYears; ++year) {
        const long double periodDeposit =
            (static_cast<long double>(in.DepositsPerYear) / n) * static_cast<long double>(in.Regular);
        counter = 0;
        pending = bearing;
        depositInterest = (initial + bearing) * q / n;
        for (std::int64_t p = 1; p <= in.Periods; ++p) {
            interest = (interest * q / n + interest) + depositInterest;
            pending = periodDeposit + pending;
            ++counter;
            if (ratio <= static_cast<long double>(counter + 1) || p == in.Periods) {
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
    const long double initial = DeflateValue(in.Years, in.Inflation, bare.Initial);
    const long double regular = DeflateValue(in.Years, in.Inflation, bare.Bearing);
    const long double interest = ((bare.Initial + bare.Bearing) + bare.Interest) - initial - regular;
    QVERIFY(result.Final.Initial == initial);
    QVERIFY(result.Final.Regular == regular);
    QVERIFY(result.Final.Interest == interest);
}

void BenchAccumulation::typicalYearly()
{
    const TStrategyInputs in = Typical();
    QBENCHMARK {
        Sink = AccumulateStrategy(in).Final.Interest;
    }
}

void BenchAccumulation::typicalMonthly()
{
    const TStrategyInputs in = TypicalMonthly();
    QBENCHMARK {
        Sink = AccumulateStrategy(in).Final.Interest;
    }
}

// Twice: a comparison computes both sides.
void BenchAccumulation::worstByPeriodsTwice()
{
    const TStrategyInputs in = WorstByPeriods();
    QBENCHMARK {
        Sink = AccumulateStrategy(in).Final.Interest;
        Sink = AccumulateStrategy(in).Final.Interest;
    }
}

// The floor for the case above: every year the accumulation runs (the first and 50 advances), twice.
void BenchAccumulation::bareLoopTwice()
{
    const TStrategyInputs in = WorstByPeriods();
    QBENCHMARK {
        Sink = BareLoop(in, in.Years).Interest;
        Sink = BareLoop(in, in.Years).Interest;
    }
}

QTEST_GUILESS_MAIN(BenchAccumulation)
#include "bench_Accumulation.moc"
