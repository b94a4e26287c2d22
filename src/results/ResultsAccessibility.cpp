#include "app/TFMain.h"

#include "access/AnnouncementAccessible.h"
#include "access/ChartAccessible.h"
#include "charts/ChartWidget.h"
#include "controls/FigureLabel.h"

#include <QAccessible>
#include <QTimer>

namespace {
// Long enough to span the keystrokes of a number typed in one go, short enough to be heard within a second.
constexpr int AnnouncePauseMs = 500;

QString Heading(const QLabel* AHeading)
{
    QString heading = AHeading->text();
    if (heading.endsWith(u':'))
        heading.chop(1);
    return heading;
}
} // namespace

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

    AnnounceTimer = new QTimer(this);
    AnnounceTimer->setSingleShot(true);
    AnnounceTimer->setInterval(AnnouncePauseMs);
    connect(AnnounceTimer, &QTimer::timeout, this, &TFMain::AnnounceTotals);
}

void TFMain::AnnounceResults()
{
    // The first figures are there before the user changes anything; later totals are spoken once typing
    // pauses, not at every keystroke of a number.
    if (AnnouncedTotals.isEmpty())
        AnnouncedTotals = TotalsText();
    else
        AnnounceTimer->start();
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
        .arg(Heading(lStats1), lTotal1val->text(), Heading(lStats2), lTotal2val->text());
}

void TFMain::AnnounceTotals()
{
    const QString totals = TotalsText();
    if (totals == AnnouncedTotals)
        return;
    AnnouncedTotals = totals;
    AnnouncementAccessible::announce(StatusBar1, totals);
}
