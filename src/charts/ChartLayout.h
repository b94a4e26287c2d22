#pragma once

#include "charts/AxisScale.h"
#include "charts/BarLayout.h"
#include "charts/ChartDescription.h"
#include "charts/LegendLayout.h"
#include "charts/MarkLayout.h"
#include "charts/PieLayout.h"

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

TChartLayout ComputeChartLayout(const TChartDescription& AChart);
