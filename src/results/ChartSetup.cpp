#include "app/TFMain.h"

#include "charts/BarSeries.h"
#include "charts/ChartWidget.h"
#include "charts/PieSeries.h"
#include "results/ResultsBackground.h"

namespace {

struct TBarLook
{
    const char* Name;
    int StackGroup;
    QColor Color;
    bool ShowInLegend;
    const char* LegendTitle;
};

// The user's side stacks in group 0, the second side in group 1; initial deposit at the bottom.
const TBarLook BarLooks[] = {
    {"Series1", 0, QColor(128, 128, 64), true, "Initial deposit"},
    {"Series2", 0, QColor(64, 128, 128), true, "Regular deposits"},
    {"Series3", 0, QColor(0, 64, 0), true, "Total interest"},
    {"Series4", 1, QColor(128, 64, 64), false, "Alternative strategy initial deposit"},
    {"Series5", 1, QColor(193, 63, 0), false, "Alternative strategy regular deposits"},
    {"Series6", 1, QColor(128, 0, 0), false, "Alternative strategy total interest"},
};

BarMarks InterestMarks(const QColor& AArrowColor, bool ABevelAndShadow)
{
    BarMarks marks;
    marks.visible = true;
    marks.arrowColor = AArrowColor;
    marks.backColor = Qt::white;
    marks.symbolVisible = true;
    marks.bevel = ABevelAndShadow;
    if (ABevelAndShadow)
        marks.shadowColor = QColor(129, 129, 129);
    return marks;
}

TChartLegendStyle PieLegend(const QString& ATitle, const QColor& AColor, bool ALowered)
{
    TChartLegendStyle legend;
    legend.Title = ATitle;
    legend.TitleColor = AColor;
    legend.TitleFontHeight = 13;
    legend.TitleLowered = ALowered;
    return legend;
}

// Room below the x axis for "Show marks", which stands on the chart's bottom-left corner.
constexpr int MarksBoxRoom = 12;

} // namespace

void TFMain::SetupCharts()
{
    Chart->setTitle(QString());
    Chart->setBackgroundColor(ResultsBackground);
    Chart->leftAxis().setTitle(QStringLiteral("Savings"));
    Chart->leftAxis().setTitleFontHeight(13);
    Chart->leftAxis().setLabelFormat(QStringLiteral(" $#,##0.###"));
    Chart->bottomAxis().setTitle(QStringLiteral("Years"));
    Chart->bottomAxis().setTitleFontHeight(13);
    Chart->setBottomMargin(MarksBoxRoom);
    BarSeries** slots[] = {&Series1, &Series2, &Series3, &Series4, &Series5, &Series6};
    for (std::size_t i = 0; i < std::size(BarLooks); ++i) {
        BarSeries* series = Chart->addBarSeries();
        series->setTitle(QString::fromLatin1(BarLooks[i].Name));
        series->setStackGroup(BarLooks[i].StackGroup);
        series->setSeriesColor(BarLooks[i].Color);
        series->setShowInLegend(BarLooks[i].ShowInLegend);
        series->setLegendTitle(QString::fromLatin1(BarLooks[i].LegendTitle));
        *slots[i] = series;
    }
    Series3->setMarks(InterestMarks(QColor(128, 0, 64), true));
    Series6->setMarks(InterestMarks(QColor(0, 64, 128), false));

    for (ChartWidget* pieChart : {PieChartFirst, PieChartAlt}) {
        pieChart->setBackgroundColor(ResultsBackground);
        pieChart->setChart3DPercent(60);
    }
    PieChartFirst->setLegend(PieLegend(QStringLiteral("Your strategy"), QColor(0, 128, 0), true));
    PieChartAlt->setLegend(PieLegend(QStringLiteral("Alternative strategy"), QColor(128, 0, 64), false));
    PieChartAlt->setPieMarkArrows(true);
    Series7 = PieChartFirst->addPieSeries();
    PieSeries1 = PieChartAlt->addPieSeries();
    for (PieSeries* pie : {Series7, PieSeries1}) {
        pie->setTitle(QStringLiteral("FirstStrategy"));
        pie->setValueFormat(QStringLiteral("$#,##0.###"));
    }
}

void TFMain::chMarksClick()
{
    const bool shown = chMarks->isChecked();
    Series3->setMarksVisible(shown);
    Series6->setMarksVisible(shown);
    ShowPlanTitle();
}

BarSeries* TFMain::BarSeriesAt(int AIndex) const
{
    return static_cast<BarSeries*>(Chart->series(AIndex));
}
