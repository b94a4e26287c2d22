#include "goal/GoalSolver.h"
#include "numbers/text/TextToNumber.h"

#include <QTest>

namespace {

// The longest answer to find: daily deposits and daily compounding for 50 years, with inflation, solved
// for the rate, whose range takes the most bisection steps of the ones searched by bisection.
TStrategyInputs WorstStrategy()
{
    TStrategyInputs in;
    in.Rate = StrToFloatDef(QStringLiteral("5.00"), 0);
    in.Inflation = StrToFloatDef(QStringLiteral("3.00"), 0);
    in.DepositsPerYear = 365;
    in.Periods = 365;
    in.SubAnnual = true;
    in.Initial = 1000;
    in.Regular = 100;
    in.Years = 50;
    return in;
}

} // namespace

// One answer of the goal dialog, as it is computed at each keystroke.
class BenchGoalSolver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void worstRate()
    {
        TGoalAnswer answer;
        QBENCHMARK {
            answer = SolveGoal(WorstStrategy(), TGoalChange::InterestRate, 50000000);
        }
        QVERIFY(answer.Reached && answer.Value > 0 && answer.Value < MaxRateHundredths);
    }

    void worstYears()
    {
        TGoalAnswer answer;
        QBENCHMARK {
            answer = SolveGoal(WorstStrategy(), TGoalChange::NumberOfYears, 50000000);
        }
        QVERIFY(!answer.Reached);
    }
};

QTEST_GUILESS_MAIN(BenchGoalSolver)
#include "bench_GoalSolver.moc"
