#pragma once

#include "charts/ChartSeries.h"
#include "charts/ChartWording.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QVector>
#include <memory>
#include <vector>

class BarSeries;
class PieSeries;

// How a chart's legend looks: its entries' font, and an optional title above them.
struct TChartLegendStyle
{
    int FontHeight = 12;
    QString Title;
    int TitleFontHeight = 13;
    QColor TitleColor = Qt::black;
    bool TitleLowered = false; // a lowered bevel around the title
};

// What an axis of a bar graph shows besides its scale, which the layout works out.
struct TChartAxisSettings
{
    QString Title;
    int TitleFontHeight = 13;
    // A picture as FormatChartValue reads it, for the tick labels of a value axis.
    QString LabelFormat = QStringLiteral("#,##0.###");
};

// Everything a chart is laid out and painted from, without a widget: its series in list order (the list
// index is how they are addressed), its legend and axes, its size and the font its texts are drawn in.
// With bar series it is a bar graph; otherwise the pie of its first pie series. A copy shares the series,
// so the same chart can be laid out and painted at another size and font (a printed page) while its
// widget keeps its own.
struct TChartDescription
{
    std::vector<std::shared_ptr<ChartSeries>> Series;
    TChartLegendStyle Legend;
    TChartAxisSettings LeftAxis;
    TChartAxisSettings BottomAxis;
    int Chart3DPercent = 15;
    // Pixels kept free below the x axis' title, for controls that stand on the chart.
    int BottomMargin = 0;
    // Whether a pie's marks point to their slices with an arrow.
    bool PieMarkArrows = false;
    QColor Background = Qt::white;
    // What a screen reader calls the items of a bar graph (ChartItems.h).
    TChartWording Wording;
    QSize Size;
    QFont Font;
};

// The chart's bar series in list order; a layout's series numbers count in this list.
QVector<const BarSeries*> BarSeriesOf(const TChartDescription& AChart);
// The pie series a pie chart draws, if it has one.
const PieSeries* FirstPieSeries(const TChartDescription& AChart);
// The fonts of a chart's parts: the chart's family at the given pixel height.
QFont ChartFont(const TChartDescription& AChart, int APixelHeight);
inline constexpr int ChartLabelFontHeight = 11;
