#include "goal/GoalSolver.h"
#include "numbers/TextToNumber.h"

#include <QRegularExpression>
#include <QTest>

#include <random>

namespace {

enum class TTarget
{
    WithinRange, // between the totals at both ends of the range
    Unreachable, // beyond the total at the end of the range
    Zero,        // an empty or zero target
};

const std::int64_t Frequencies[] = {1, 4, 12, 52, 365};

// A strategy as a user could set it; the rate and inflation as typed, read by the fields' reader.
TStrategyInputs RandomStrategy(std::mt19937_64& ARandom, bool AInflationAboveRate, bool AContinuous)
{
    const auto pick = [&ARandom](std::int64_t ALimit) { return std::int64_t(ARandom() % std::uint64_t(ALimit + 1)); };
    const auto percent = [](std::int64_t AHundredths) { return StrToFloatDef(GoalRateText(AHundredths), 0); };
    TStrategyInputs strategy;
    const std::int64_t rate = pick(1500);
    strategy.Rate = percent(rate);
    strategy.Inflation = AInflationAboveRate ? percent(rate + 1 + pick(800)) : percent(pick(1) * pick(500));
    strategy.DepositsPerYear = Frequencies[pick(4)];
    strategy.Periods = AContinuous ? 3650 : Frequencies[pick(4)];
    strategy.SubAnnual = strategy.Periods > 1;
    strategy.Continuous = AContinuous;
    strategy.Initial = pick(50000);
    strategy.Regular = AContinuous ? 0 : pick(2000);
    strategy.Years = int(1 + pick(49));
    return strategy;
}

// The total savings the window shows for the strategy as given: a run of its own number of years.
Extended WindowTotal(const TStrategyInputs& AStrategy)
{
    return ShownTotal(AccumulateStrategy(AStrategy).Years.back());
}

TStrategyInputs Changed(TStrategyInputs AStrategy, TGoalChange AChange, std::int64_t AValue)
{
    if (AChange == TGoalChange::RegularDeposit)
        AStrategy.Regular = AValue;
    else if (AChange == TGoalChange::InitialDeposit)
        AStrategy.Initial = AValue;
    else if (AChange == TGoalChange::InterestRate)
        AStrategy.Rate = StrToFloatDef(GoalRateText(AValue), 0);
    else
        AStrategy.Years = int(AValue);
    return AStrategy;
}

std::int64_t RangeEnd(TGoalChange AChange)
{
    switch (AChange) {
    case TGoalChange::RegularDeposit:
    case TGoalChange::InitialDeposit:
        return MaxGoalDeposit;
    case TGoalChange::InterestRate:
        return MaxGoalRateHundredths;
    case TGoalChange::NumberOfYears:
        break;
    }
    return MaxGoalYears;
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
        QTest::addColumn<TTarget>("target");
        QTest::addColumn<bool>("inflationAboveRate");
        QTest::addColumn<bool>("continuous");
        QTest::addColumn<int>("strategies");

        using C = TGoalChange;
        using T = TTarget;
        // clang-format off
        QTest::newRow("regular deposit") << C::RegularDeposit << T::WithinRange << false << false << 300;
        QTest::newRow("initial deposit") << C::InitialDeposit << T::WithinRange << false << false << 300;
        QTest::newRow("interest rate") << C::InterestRate << T::WithinRange << false << false << 300;
        QTest::newRow("years") << C::NumberOfYears << T::WithinRange << false << false << 60;
        QTest::newRow("years, inflation above the rate") << C::NumberOfYears << T::WithinRange << true << false << 60;
        QTest::newRow("rate, inflation above the rate") << C::InterestRate << T::WithinRange << true << false << 200;
        QTest::newRow("initial deposit, continuous") << C::InitialDeposit << T::WithinRange << false << true << 200;
        QTest::newRow("rate, continuous") << C::InterestRate << T::WithinRange << false << true << 200;
        QTest::newRow("regular deposit unreachable") << C::RegularDeposit << T::Unreachable << false << false << 100;
        QTest::newRow("initial deposit unreachable") << C::InitialDeposit << T::Unreachable << true << false << 100;
        QTest::newRow("years unreachable") << C::NumberOfYears << T::Unreachable << true << false << 30;
        QTest::newRow("zero target, regular deposit") << C::RegularDeposit << T::Zero << false << false << 50;
        QTest::newRow("zero target, years") << C::NumberOfYears << T::Zero << true << false << 30;
        // clang-format on
    }

    void answerIsTheSmallestThatReaches()
    {
        QFETCH(TGoalChange, change);
        QFETCH(TTarget, target);
        QFETCH(bool, inflationAboveRate);
        QFETCH(bool, continuous);
        QFETCH(int, strategies);

        std::mt19937_64 random(20261210 + QByteArray(QTest::currentDataTag()).size());
        const std::int64_t low = change == TGoalChange::NumberOfYears ? 1 : 0;
        const std::int64_t end = RangeEnd(change);
        int tried = 0;
        for (int i = 0; i < strategies; ++i) {
            const TStrategyInputs strategy = RandomStrategy(random, inflationAboveRate, continuous);
            const auto total = [&](std::int64_t AValue) { return WindowTotal(Changed(strategy, change, AValue)); };
            // The most the range can give: at its end, or for years in whichever year gives most.
            Extended best = total(end);
            for (std::int64_t year = 1; change == TGoalChange::NumberOfYears && year < end; ++year)
                best = std::max(best, total(year));
            const long double first = static_cast<long double>(total(low));
            const long double most = std::min(static_cast<long double>(best), (long double)MaxGoalTarget);
            std::int64_t goal = 0;
            if (target == TTarget::WithinRange)
                goal = std::int64_t(first) + std::int64_t(random() % std::uint64_t(std::max(most - first, 0.0L) + 1));
            else if (target == TTarget::Unreachable && most < MaxGoalTarget)
                goal = std::int64_t(most) + 1;
            else if (target == TTarget::Unreachable)
                continue; // the whole range of targets is reachable
            ++tried;

            const TGoalAnswer answer = SolveGoal(strategy, change, goal);
            const QByteArray where =
                QStringLiteral("strategy %1, target %2, answer %3").arg(i).arg(goal).arg(answer.Value).toLatin1();
            QVERIFY2(answer.Reached == (Extended(goal) <= best), where);
            QVERIFY2(answer.Total == total(answer.Value), where);
            QCOMPARE(answer.Years, change == TGoalChange::NumberOfYears ? int(answer.Value) : strategy.Years);
            if (!answer.Reached) {
                QVERIFY2(answer.Value == end && answer.Total < Extended(goal), where);
                continue;
            }
            QVERIFY2(answer.Value >= low && answer.Total >= Extended(goal), where);
            if (change == TGoalChange::NumberOfYears) {
                for (std::int64_t year = 1; year < answer.Value; ++year)
                    QVERIFY2(total(year) < Extended(goal), where);
            } else if (answer.Value > 0) {
                QVERIFY2(total(answer.Value - 1) < Extended(goal), where);
            }
        }
        QVERIFY2(tried >= strategies / 2, "most strategies must allow a target of the row's kind");
    }
};

QTEST_GUILESS_MAIN(TestGoalSolver)
#include "tst_GoalSolver.moc"
