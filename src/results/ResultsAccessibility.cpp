#include "app/TFMain.h"

#include "access/AnnouncementAccessible.h"
#include "access/ChartAccessible.h"
#include "access/PausedAnnouncement.h"
#include "charts/ChartWidget.h"
#include "controls/FigureLabel.h"
#include "controls/FormSetup.h"

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

    // The first figures are there before the user changes anything; later totals are spoken once typing
    // pauses, not at every keystroke of a number.
    TotalsAnnouncement = new PausedAnnouncement(
        this, [this] { return TotalsText(); },
        [this](const QString& ATotals) { AnnouncementAccessible::announce(StatusBar1, ATotals); });
}

void TFMain::AnnounceResults()
{
    TotalsAnnouncement->changed();
    if (!QAccessible::isActive())
        return;
    for (FigureLabel* figure : findChildren<FigureLabel*>())
        figure->announceChange();
    for (ChartWidget* chart : {Chart, PieChartFirst, PieChartAlt})
        ChartAccessible::announceChanges(chart);
}

QString TFMain::TotalsText() const
{
    if (!ComparisonMode())
        return QStringLiteral("Total savings ") + lTotal1val->text();
    return QStringLiteral("%1, total savings %2; %3, total savings %4")
        .arg(CaptionName(lStats1->text()), lTotal1val->text(), CaptionName(lStats2->text()),
             lTotal2val->text());
}
