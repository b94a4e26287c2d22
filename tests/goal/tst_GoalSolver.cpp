#include "goal/GoalSolver.h"
#include "numbers/text/TextToNumber.h"
#include "rules/EditRules.h"

#include <QRegularExpression>
#include <QTest>

#include <random>

namespace {

enum class TTarget
{
    WithinRange, // between the totals at the two ends of the range
    Unreachable, // one more than the most the range gives
    Zero,        // an empty or zero target
};

Extended Rate(std::int64_t AHundredths)
{
    return StrToFloatDef(RateText(AHundredths), 0);
}

// A strategy as a user could set it, the rate and inflation read as the fields read them.
TStrategyInputs RandomStrategy(std::mt19937_64& ARandom, bool AInflationAboveRate, bool AContinuous)
{
    const auto pick = [&ARandom](std::int64_t ALimit) {
        return std::int64_t(ARandom() % std::uint64_t(ALimit + 1));
    };
    const std::int64_t frequencies[] = {1, 4, 12, 52, 365};
    const std::int64_t rate = pick(1500);
    TStrategyInputs strategy;
    strategy.Rate = Rate(rate);
    strategy.Inflation = Rate(AInflationAboveRate ? rate + 1 + pick(800) : pick(1) * pick(500));
    strategy.DepositsPerYear = frequencies[pick(4)];
    strategy.Periods = AContinuous ? 3650 : frequencies[pick(4)];
    strategy.SubAnnual = strategy.Periods > 1;
    strategy.Continuous = AContinuous;
    strategy.Initial = pick(50000);
    strategy.Regular = AContinuous ? 0 : pick(2000);
    strategy.Years = int(1 + pick(49));
    return strategy;
}

// The total the window shows with AChange set to AValue: a run of the strategy's own number of years.
Extended WindowTotal(TStrategyInputs AStrategy, TGoalChange AChange, std::int64_t AValue)
{
    if (AChange == TGoalChange::RegularDeposit)
        AStrategy.Regular = AValue;
    else if (AChange == TGoalChange::InitialDeposit)
        AStrategy.Initial = AValue;
    else if (AChange == TGoalChange::InterestRate)
        AStrategy.Rate = Rate(AValue);
    else
        AStrategy.Years = int(AValue);
    return ShownTotal(AccumulateStrategy(AStrategy).Years.back());
}

} // namespace

Q_DECLARE_METATYPE(TGoalChange)
Q_DECLARE_METATYPE(TTarget)

class TestGoalSolver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // Over random strategies: a reached answer's total reaches the target and the next smaller value's (for
    // years: every fewer year's) falls short; an unreachable one is the end of the range, falling short.
    void answerIsTheSmallestThatReaches_data()
    {
        QTest::addColumn<TGoalChange>("change");
        QTest::addColumn<qint64>("end"); // of the range searched
        QTest::addColumn<TTarget>("target");
        QTest::addColumn<bool>("inflationAboveRate");
        QTest::addColumn<bool>("continuous");

        using C = TGoalChange;
        using T = TTarget;
        const qint64 deposit = MaxAmount, rate = MaxRateHundredths, years = MaxYears;
        // clang-format off
        QTest::newRow("regular deposit") << C::RegularDeposit << deposit << T::WithinRange << false << false;
        QTest::newRow("initial deposit") << C::InitialDeposit << deposit << T::WithinRange << false << false;
        QTest::newRow("interest rate") << C::InterestRate << rate << T::WithinRange << false << false;
        QTest::newRow("rate, inflation above it") << C::InterestRate << rate << T::WithinRange << true << false;
        QTest::newRow("years") << C::NumberOfYears << years << T::WithinRange << false << false;
        QTest::newRow("years, inflation above the rate") << C::NumberOfYears << years << T::WithinRange << true << false;
        QTest::newRow("initial deposit, continuous") << C::InitialDeposit << deposit << T::WithinRange << false << true;
        QTest::newRow("rate, continuous") << C::InterestRate << rate << T::WithinRange << false << true;
        QTest::newRow("regular deposit unreachable") << C::RegularDeposit << deposit << T::Unreachable << false << false;
        QTest::newRow("initial deposit unreachable") << C::InitialDeposit << deposit << T::Unreachable << true << false;
        QTest::newRow("years unreachable") << C::NumberOfYears << years << T::Unreachable << true << false;
        QTest::newRow("zero target, regular deposit") << C::RegularDeposit << deposit << T::Zero << false << false;
        QTest::newRow("zero target, years") << C::NumberOfYears << years << T::Zero << true << false;
        // clang-format on
    }

    void answerIsTheSmallestThatReaches()
    {
        QFETCH(TGoalChange, change);
        QFETCH(qint64, end);
        QFETCH(TTarget, target);
        QFETCH(bool, inflationAboveRate);
        QFETCH(bool, continuous);

        const bool byYears = change == TGoalChange::NumberOfYears;
        std::mt19937_64 random(20261210 + QByteArray(QTest::currentDataTag()).size());
        int tried = 0;
        for (int i = 0; i < (byYears ? 40 : 200); ++i) {
            const TStrategyInputs strategy = RandomStrategy(random, inflationAboveRate, continuous);
            const auto total = [&](std::int64_t AValue) { return WindowTotal(strategy, change, AValue); };
            Extended best = total(end); // the most the range gives: for years, in whichever year gives most
            for (std::int64_t year = 1; byYears && year < end; ++year)
                best = std::max(best, total(year));
            const long double first = static_cast<long double>(total(byYears ? 1 : 0));
            const long double most = std::min(static_cast<long double>(best), (long double)MaxGoalTarget);
            if (target == TTarget::Unreachable && most >= MaxGoalTarget)
                continue; // every target that can be typed is reachable
            std::int64_t goal = 0;
            if (target == TTarget::WithinRange)
                goal = std::int64_t(
                    first + std::uint64_t(random() % std::uint64_t(std::max(most - first, 0.0L) + 1)));
            else if (target == TTarget::Unreachable)
                goal = std::int64_t(most) + 1;
            ++tried;

            const TGoalAnswer answer = SolveGoal(strategy, change, goal);
            const QByteArray where = QStringLiteral("strategy %1, target %2, answer %3")
                                         .arg(i)
                                         .arg(goal)
                                         .arg(answer.Value)
                                         .toLatin1();
            QVERIFY2(answer.Reached == (Extended(goal) <= best), where);
            QVERIFY2(answer.Total == total(answer.Value), where);
            QCOMPARE(answer.Years, byYears ? int(answer.Value) : strategy.Years);
            if (!answer.Reached) {
                QVERIFY2(answer.Value == end && answer.Total < Extended(goal), where);
                continue;
            }
            QVERIFY2(answer.Total >= Extended(goal), where);
            const std::int64_t fewest = byYears ? 1 : std::max<std::int64_t>(answer.Value - 1, 0);
            for (std::int64_t fewer = fewest; fewer < answer.Value; ++fewer)
                QVERIFY2(total(fewer) < Extended(goal), where);
        }
        QVERIFY2(tried > 20, "most strategies allow a target of the row's kind");
    }
};

QTEST_GUILESS_MAIN(TestGoalSolver)
#include "tst_GoalSolver.moc"
