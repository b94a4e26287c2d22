#include "app/TFMain.h"

#include "app/LayoutRules.h"
#include "charts/BarSeries.h"
#include "controls/AlignLayout.h"
#include "controls/BalloonNotice.h"
#include "controls/FormSetup.h"
#include "numbers/Rounding.h"
#include "numbers/text/FormatSettings.h"
#include "rules/InputLimits.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

namespace {

// Hyperlink markup showing the address without its scheme.
QString LinkMarkup(const QString& AAddress)
{
    const QString visible = QUrl(AAddress).toString(QUrl::RemoveScheme).mid(2);
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(AAddress.toHtmlEscaped(), visible.toHtmlEscaped());
}

void SetColumns(GridPanel* APanel, double AFirst, double ASecond)
{
    APanel->setColumnPercent(1, ASecond);
    APanel->setColumnPercent(0, AFirst);
}

struct TLabelPair
{
    const QLabel* Caption;
    const QLabel* Value;
};

bool AllPairsFit(QWidget* APanel, std::initializer_list<TLabelPair> APairs)
{
    ArrangeChildren(APanel);
    for (const TLabelPair& pair : APairs)
        if (!LabelPairFits(pair.Caption->x(), pair.Caption->width(), pair.Value->x()))
            return false;
    return true;
}

} // namespace

void TFMain::FormCreate()
{
    k = 1;
    f = 1;
    fa = 1;
    Month = false;
    AMonth = false;
    FormatSettings() = TFormatSettings{QStringLiteral("$"), u',', u'.'};
    Chart->setTitle(QString());
    seYears->setMinValue(MinYears);
    seYears->setMaxValue(MaxYears);
    PrevRegularDep = TRegDep->text();
    for (StringGrid* grid : {StrGridFirst, StrGridAlt})
        grid->setRowHeight(0, static_cast<int>(RoundTo(grid->defaultRowHeight() * 1.5L, 0)));
}

void TFMain::FormShow()
{
    setWindowTitle(ProgramTitle);
    QGuiApplication::setApplicationDisplayName(windowTitle());
    LinkLabel->setText(LinkMarkup(MakerAddress));
    LinkLabel->adjustSize();
    MoveControl(LinkLabel, {(width() - LinkLabel->width()) / 2, LinkLabel->y()});
    ArrangeAlternativeLayout();
    Recalculate();
}

void TFMain::ArrangeAlternativeLayout()
{
    PrevXVal = 0;
    if (ComparisonMode()) {
        PieChartAlt->setVisible(true);
        SetColumns(GPPieCharts, 50, 50);
        PieChartFirst->setChart3DPercent(PieChartAlt->chart3DPercent());
        StrGridAlt->setVisible(false);
        pTableAlt->setVisible(true);
        SetColumns(GPTabularData, 50, 50);
        StrGridAlt->setVisible(true);
    } else {
        for (BarSeries* series : {Series4, Series5, Series6})
            series->clear();
        PieChartAlt->setVisible(false);
        SetColumns(GPPieCharts, 100, 0);
        PieChartFirst->setChart3DPercent(PieChartAlt->chart3DPercent() / 2);
        pTableAlt->setVisible(false);
        SetColumns(GPTabularData, 100, 0);
    }
    for (BarSeries* series : {Series4, Series5, Series6})
        series->setShowInLegend(ComparisonMode());
    // Only the alternative strategy has inputs of its own; the inflation comparison leaves them off.
    EnablePanel(APanel, chAlternative->isChecked());
    FormResize();
}

void TFMain::FitTotalsPanels()
{
    const bool firstFits = AllPairsFit(pTotals1, {{lInitialDep1, lInitialDep1val},
                                                  {lRegularDep1, lRegularDep1val},
                                                  {lTotalInt1, lTotalInt1val},
                                                  {lTotal1, lTotal1val}});
    pTotals1->setVisible(firstFits);
    lStats1->setVisible(firstFits);
    // The second panel never shows without the first, even where its own labels would fit.
    const bool secondFits = firstFits && ComparisonMode() &&
                            AllPairsFit(pTotals2, {{lInitialDep2, lInitialDep2val},
                                                   {lRegularDep2, lRegularDep2val},
                                                   {lTotalInt2, lTotalInt2val},
                                                   {lTotal2, lTotal2val}});
    pTotals2->setVisible(secondFits);
    lStats2->setVisible(secondFits);
}

void TFMain::FormResize()
{
    FitTotalsPanels();
    const TGridRefit refit = GridsToRefit(ComparisonMode(), OuterWidth(width()));
    if (refit.First)
        FitGridColumns(StrGridFirst);
    if (refit.Second)
        FitGridColumns(StrGridAlt);
}

void TFMain::FitGridColumns(StringGrid* Grid)
{
    const std::array<int, 5> widths = GridColumnWidths(Grid->clientWidth(), Grid->gridLineWidth());
    for (int col = 0; col < int(widths.size()); ++col)
        Grid->setColWidth(col, widths[std::size_t(col)]);
}

void TFMain::PageControlChange()
{
    if (PageControl->currentWidget() == tsTable)
        FormResize();
    ShowPlanTitle();
}

void TFMain::LinkLabelLinkClick(const QString& ALink)
{
    // Opened with the user's default browser; a failure to open it is not worth interrupting anyone.
    QDesktopServices::openUrl(QUrl(ALink));
}

void TFMain::FormMouseActivate()
{
    BalloonHint->hideHint();
}
