#pragma once

#include "charts/AxisScale.h"
#include "charts/BarLayout.h"
#include "charts/LegendLayout.h"
#include "charts/MarkLayout.h"
#include "charts/PieLayout.h"

#include <QFont>

class BarSeries;
class ChartWidget;
class PieSeries;

struct TTickLabel
{
    double Value = 0;
    QString Text;
    QRectF Rect;
};

struct TAxisLayout
{
    AxisScale Scale;
    QVector<TTickLabel> Labels; // those that fit; crowded ones are left out
    QRectF TitleRect;           // the left axis' title is drawn turned upwards within it
};

// Where everything of a chart goes, in the chart's pixels: the one answer painting, the mouse and
// screen readers share.
struct TChartLayout
{
    bool IsPie = false;
    TLegendLayout Legend;
    QRectF Plot;
    TAxisLayout LeftAxis;
    TAxisLayout BottomAxis;
    QVector<TBarSegment> Bars;
    QVector<TMarkGeometry> Marks; // bar marks in series order, or one per pie slice
    TPieLayout Pie;
};

// The fonts of a chart's parts: the widget's family at the given pixel height.
QFont ChartFont(const ChartWidget& AChart, int APixelHeight);
inline constexpr int ChartLabelFontHeight = 11;

// The chart's bar series in list order; a layout's series numbers count in this list.
QVector<const BarSeries*> BarSeriesOf(const ChartWidget& AChart);
// The pie series a pie chart draws, if it has one.
const PieSeries* FirstPieSeries(const ChartWidget& AChart);

TChartLayout ComputeChartLayout(const ChartWidget& AChart);
