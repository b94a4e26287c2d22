#include "app/TFMain.h"

#include "charts/ChartAccessible.h"
#include "charts/ChartWidget.h"
#include "platform/FigureLabel.h"

#include <QAccessible>

void TFMain::SetupResultsAccessibility()
{
    TChartWording wording;
    wording.PointName = QStringLiteral("Year %1");
    const QStringList side{QStringLiteral("initial deposit"), QStringLiteral("regular deposits"),
                           QStringLiteral("total interest")};
    wording.SeriesNames = side + side;
    // The user's figures come first and need no heading; the second side's follow under its own.
    wording.GroupHeading = [this](int AGroup) { return AGroup == 0 ? QString() : lStats2->text(); };
    Chart->setWording(wording);
}

void TFMain::AnnounceResults()
{
    if (!QAccessible::isActive())
        return;
    for (FigureLabel* figure : findChildren<FigureLabel*>())
        figure->announceChange();
    for (ChartWidget* chart : {Chart, PieChartFirst, PieChartAlt})
        ChartAccessible::announceChanges(chart);
}
