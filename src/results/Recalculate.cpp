#include "app/TFMain.h"

#include "calc/Accumulation.h"
#include "charts/BarSeries.h"
#include "numbers/text/TextToNumber.h"
#include "results/StrategyTitles.h"
#include "rules/MoneyText.h"

#include <QCoreApplication>

void TFMain::TIntRateChange()
{
    Recalculate();
}

void TFMain::Recalculate()
{
    // Let queued work (repaints, posted layout) finish first; user input waits until this change is done.
    // The window relies on it: the field just typed into, or a notice just shown, is painted before a long
    // calculation, and with the last figures, as no series is cleared yet. What may run in here are paints,
    // resize and activation handlers (layout, hiding the hover window) and timers and posted calls (spoken
    // totals, the notice hiding, the hover window's mover, a table telling its cell); none recalculates, so
    // this is never entered again from inside itself. A handler run by a timer or a posted call must keep
    // it so.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    InitialDep = ParseMoneyText(TIntDep->text(), 0);
    RegularDep = ParseMoneyText(TRegDep->text(), 0);
    const long double inflation = InflationRate();
    ComputeStrategy(false, Month, f, 0, InitialDep, RegularDep, inflation);

    const bool shown = InflationShown(chInflation->isChecked(), TInflation->text());
    WriteTitles(0, UserStrategyTitles(shown, TInflation->text()), lStats1);
    WriteSummary(0, lInitialDep1val, lRegularDep1val, lTotalInt1val, lTotal1val);
    PieChartFirst->setLegendTitle(lStats1->text());
    lTableFirstTitle->setText(lStats1->text());

    const bool comparison = ComparisonMode();
    lStats2->setVisible(comparison);
    pTotals2->setVisible(comparison);
    if (comparison) {
        if (chAlternative->isChecked()) {
            const std::int64_t altRegular = ParseMoneyText(TAltdep->text(), 0);
            ComputeStrategy(true, AMonth, fa, TB->value(), InitialDep, altRegular, inflation);
            WriteTitles(3, AlternativeStrategyTitles(shown, TInflation->text()), lStats2);
        } else {
            // The same strategy without inflation, titled as such.
            ComputeStrategy(true, Month, f, 0, InitialDep, RegularDep, 0);
            WriteTitles(3, UserStrategyTitles(false, QString()), lStats2);
        }
        WriteSummary(3, lInitialDep2val, lRegularDep2val, lTotalInt2val, lTotal2val);
        PieChartAlt->setLegendTitle(lStats2->text());
        lTableSecondTitle->setText(lStats2->text());
        const int last = seYears->ValueInRange() - 1;
        const TMarkArrows arrows = InterestMarkArrows(Series3->yValue(last), Series6->yValue(last));
        Series3->setMarksArrowLength(arrows.First);
        Series6->setMarksArrowLength(arrows.Second);
        Series3->setMarksOnTop(true);
        Series6->setMarksOnTop(true);
    } else {
        Series3->setMarksArrowLength(SingleSideArrowLength);
    }
    // New figures may be wider than the last: the totals panels are shown only where their labels fit.
    FitTotalsPanels();
    // A hover summary on screen shows the new figures, not those it was filled with.
    RefreshYearSummary();
    AnnounceResults();
    ShowPlanTitle();
}

long double TFMain::InflationRate() const
{
    // Extended values fit long double exactly on x86 and on 64-bit ARM Linux: the hand-over loses nothing.
    return chInflation->isChecked() ? static_cast<long double>(StrToFloatDef(TInflation->text(), 0)) : 0;
}

TStrategyInputs TFMain::UserStrategy() const
{
    return StrategyInputs(false, Month, f, 0, ParseMoneyText(TIntDep->text(), 0), ParseMoneyText(TRegDep->text(), 0),
                          InflationRate());
}

void TFMain::WriteTitles(int AFirstSeries, const TSideTitles& ATitles, QLabel* AHeading)
{
    BarSeriesAt(AFirstSeries)->setLegendTitle(ATitles.Initial);
    BarSeriesAt(AFirstSeries + 1)->setLegendTitle(ATitles.Regular);
    BarSeriesAt(AFirstSeries + 2)->setLegendTitle(ATitles.Interest);
    AHeading->setText(ATitles.Heading);
}

void TFMain::WriteSummary(int AFirstSeries, QLabel* AInitial, QLabel* ARegular, QLabel* AInterest, QLabel* ATotal)
{
    const int last = seYears->ValueInRange() - 1;
    const long double initial = BarSeriesAt(AFirstSeries)->yValue(last);
    const long double regular = BarSeriesAt(AFirstSeries + 1)->yValue(last);
    const long double interest = BarSeriesAt(AFirstSeries + 2)->yValue(last);
    AInitial->setText(CurrencyText(initial));
    ARegular->setText(CurrencyText(regular));
    AInterest->setText(CurrencyText(interest));
    const TYearParts parts{Extended(initial), Extended(regular), Extended(interest)};
    ATotal->setText(CurrencyText(static_cast<long double>(ShownTotal(parts))));
}
