#include "app/TFMain.h"

#include "charts/BarSeries.h"
#include "charts/ChartWidget.h"
#include "hint/HoverRules.h"
#include "hint/TFHint.h"
#include "numbers/Rounding.h"

#include <QCursor>

void TFMain::ChartMouseMove(const QPoint& APosition)
{
    if (!FHint)
        return;
    const std::optional<int> year = YearUnderMouse(Chart->bottomAxis().calcPosPoint(APosition.x()),
                                                   Chart->leftAxis().calcPosPoint(APosition.y()),
                                                   Chart->leftAxis().maximum(), seYears->ValueInRange());
    if (!year) {
        PrevXVal = 0;
        FHint->hide();
        return;
    }
    if (*year != PrevXVal) {
        PrevXVal = *year;
        ShowYearSummary(*year);
    }
    // Placed from the movement itself: where the pointer was when the chart saw it.
    FHint->MoveTo(HintPosition(Chart->mapToGlobal(APosition), FHint->width()));
    FHint->Show();
}

void TFMain::ChartMouseLeave()
{
    // A quick movement downwards can run the pointer into the hover window itself rather than off the
    // chart: the window then moves on with the pointer instead of going.
    if (FHint && FHint->isVisible() && FHint->geometry().contains(QCursor::pos()))
        FollowCursor();
    else
        HideYearSummary();
}

void TFMain::ShowYearSummary(int AYears)
{
    const int i = AYears - 1;
    long double alt[3] = {TFHint::NoSecondSide, TFHint::NoSecondSide, TFHint::NoSecondSide};
    if (ComparisonMode()) {
        // Right after comparison mode was switched on the second side may not be computed yet: until it
        // is, the window shows the user's side alone.
        if (BarSeriesAt(3)->count() > i && BarSeriesAt(4)->count() > i && BarSeriesAt(5)->count() > i) {
            for (int quantity = 0; quantity < 3; ++quantity)
                alt[quantity] = RoundTo(BarSeriesAt(3 + quantity)->yValue(i), 0);
        }
        FHint->lAlternative->setText(lStats2->text());
    }
    FHint->lYourStrategy->setText(lStats1->text());
    // A point not there yet (the years just grew) reads as 0.
    const long double v1 = RoundTo(Series1->yValue(i), 0);
    const long double v2 = RoundTo(Series2->yValue(i), 0);
    const long double v3 = RoundTo(Series3->yValue(i), 0);
    FHint->SetParams(AYears, v1, v2, v3, alt[0], alt[1], alt[2]);
}

void TFMain::HideYearSummary()
{
    if (FHint)
        FHint->hide();
}

void TFMain::RefreshYearSummary()
{
    if (!FHint || !FHint->isVisible())
        return;
    // The figures under the mouse have changed: fill the window anew as the next movement would.
    PrevXVal = 0;
    FollowCursor();
}

void TFMain::FollowCursor()
{
    const QPoint position = Chart->mapFromGlobal(QCursor::pos());
    if (Chart->isVisible() && Chart->rect().contains(position))
        ChartMouseMove(position);
    else
        HideYearSummary();
}
