#include "charts/ChartLayout.h"

#include "charts/BarSeries.h"
#include "charts/PieSeries.h"
#include "charts/ValueFormat.h"

#include <cmath>

namespace {

constexpr double Margin = 4;
constexpr double TickGap = 4;
constexpr double BarWidthFraction = 0.7;
constexpr double MinimumTickSpacing = 2.5; // in label heights

QRectF ChartArea(const TChartDescription& AChart)
{
    return QRectF(QPointF(0, 0), QSizeF(AChart.Size));
}

QFontMetricsF Metrics(const TChartDescription& AChart, int APixelHeight)
{
    return QFontMetricsF(ChartFont(AChart, APixelHeight));
}

QVector<double> ValuesOf(const ChartSeries& ASeries)
{
    QVector<double> values;
    for (int i = 0; i < ASeries.count(); ++i)
        values.append(ASeries.point(i).value);
    return values;
}

TLegendLayout BarLegend(const TChartDescription& AChart, const QVector<const BarSeries*>& ABars)
{
    QVector<TLegendItem> items;
    for (const BarSeries* series : ABars)
        if (series->showInLegend())
            items.append({series->legendTitle(), series->seriesColor()});
    const TChartLegendStyle& style = AChart.Legend;
    return LayoutLegend(items, style.Title, Metrics(AChart, style.FontHeight),
                        Metrics(AChart, style.TitleFontHeight),
                        ChartArea(AChart).adjusted(Margin, 0, -Margin, 0));
}

// Room above the plot for the tallest mark and its arrow, so a mark over the highest bar stays in view.
double MarkHeadroom(const QVector<const BarSeries*>& ABars, const QFontMetricsF& ALabelMetrics)
{
    double headroom = ALabelMetrics.height() / 2;
    for (const BarSeries* series : ABars)
        if (series->marks().visible && series->count() > 0)
            headroom = std::max(headroom, series->marks().arrowLength + ALabelMetrics.height() + 8);
    return headroom;
}

// The x labels at each point: the first series with a text there names it.
QVector<QString> PointLabels(const QVector<const BarSeries*>& ABars, int ACount)
{
    QVector<QString> labels(ACount);
    for (const BarSeries* series : ABars)
        for (int x = 0; x < series->count(); ++x)
            if (labels[x].isEmpty())
                labels[x] = series->point(x).label;
    return labels;
}

QVector<TTickLabel> ValueLabels(const TAxisTicks& ATicks, const AxisScale& AScale, const QString& AFormat,
                                const QFontMetricsF& AMetrics, double ARight)
{
    QVector<TTickLabel> labels;
    for (double value : ATicks.Values()) {
        const QString text = FormatChartValue(value, AFormat);
        const double width = std::ceil(AMetrics.horizontalAdvance(text));
        const double y = AScale.toPixel(value);
        labels.append(
            {value, text, QRectF(ARight - width, y - AMetrics.height() / 2, width, AMetrics.height())});
    }
    return labels;
}

// The x labels that fit: one that would touch the last one shown is left out.
QVector<TTickLabel> PointLabelRects(const QVector<QString>& ATexts, const AxisScale& AScale,
                                    const QFontMetricsF& AMetrics, double ATop)
{
    QVector<TTickLabel> labels;
    double lastRight = -1e9;
    for (int x = 0; x < ATexts.size(); ++x) {
        if (ATexts[x].isEmpty())
            continue;
        const double width = std::ceil(AMetrics.horizontalAdvance(ATexts[x]));
        const QRectF rect(std::round(AScale.toPixel(x) - width / 2), ATop, width, AMetrics.height());
        if (rect.left() < lastRight + TickGap)
            continue;
        labels.append({double(x), ATexts[x], rect});
        lastRight = rect.right();
    }
    return labels;
}

QVector<TMarkGeometry> BarMarks(const QVector<const BarSeries*>& ABars, const QVector<TBarSegment>& ASegments,
                                const QFontMetricsF& AMetrics, const QRectF& ABounds)
{
    QVector<TMarkGeometry> marks;
    for (const TBarSegment& segment : ASegments) {
        const BarSeries* series = ABars[segment.Series];
        if (!series->marks().visible)
            continue;
        const bool upward = !(segment.Value < 0);
        const QPointF anchor(segment.Rect.center().x(), upward ? segment.Rect.top() : segment.Rect.bottom());
        TMarkGeometry mark =
            LayoutMark(FormatChartValue(segment.Value, series->valueFormat()), anchor, upward,
                       series->marks().arrowLength, series->marks().symbolVisible, AMetrics, ABounds);
        mark.Series = segment.Series;
        mark.Point = segment.Point;
        marks.append(mark);
    }
    return marks;
}

TChartLayout BarChartLayout(const TChartDescription& AChart)
{
    TChartLayout layout;
    const QVector<const BarSeries*> bars = BarSeriesOf(AChart);
    QVector<TBarSeriesData> data;
    for (const BarSeries* series : bars)
        data.append({series->stackGroup(), ValuesOf(*series)});
    const QFontMetricsF labelMetrics = Metrics(AChart, ChartLabelFontHeight);
    const QFontMetricsF leftTitleMetrics = Metrics(AChart, AChart.LeftAxis.TitleFontHeight);
    const QFontMetricsF bottomTitleMetrics = Metrics(AChart, AChart.BottomAxis.TitleFontHeight);
    const QRectF area = ChartArea(AChart).adjusted(Margin, 0, -Margin, -Margin - AChart.BottomMargin);

    layout.Legend = BarLegend(AChart, bars);
    const double top = std::round(layout.Legend.Bottom + MarkHeadroom(bars, labelMetrics));
    const double bottom =
        std::round(area.bottom() - bottomTitleMetrics.height() - labelMetrics.height() - 2 * TickGap);
    const int maxTicks = std::max(1, int((bottom - top) / (labelMetrics.height() * MinimumTickSpacing)));
    const TValueRange range = StackedRange(data);
    const TAxisTicks ticks = NiceTicks(range.Low, range.High, maxTicks);
    const AxisScale valueScale(ticks.Minimum, ticks.Maximum, bottom, top);

    const double labelsRight = area.left() + leftTitleMetrics.height() + TickGap;
    QVector<TTickLabel> valueLabels =
        ValueLabels(ticks, valueScale, AChart.LeftAxis.LabelFormat, labelMetrics, labelsRight);
    double widest = 0;
    for (const TTickLabel& label : valueLabels)
        widest = std::max(widest, label.Rect.width());
    for (TTickLabel& label : valueLabels)
        label.Rect.translate(widest, 0);
    const double left = std::round(labelsRight + widest + TickGap);
    layout.Plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, area.right() - 2 * Margin), bottom));
    layout.LeftAxis = {valueScale, valueLabels,
                       QRectF(area.left(), top, leftTitleMetrics.height(), bottom - top)};

    const int points = std::max(1, PointCount(data));
    const AxisScale xScale(-0.5, points - 0.5, layout.Plot.left(), layout.Plot.right());
    layout.BottomAxis = {xScale,
                         PointLabelRects(PointLabels(bars, points), xScale, labelMetrics, bottom + TickGap),
                         QRectF(layout.Plot.left(), area.bottom() - bottomTitleMetrics.height(),
                                layout.Plot.width(), bottomTitleMetrics.height())};
    layout.Bars = LayoutBars(data, xScale, valueScale, BarWidthFraction);
    // Marks stay right of the value labels and below the legend, so they cover neither. Every point has
    // its mark, in series and point order, so where marks crowd a later one is drawn over an earlier one.
    const QRectF markBounds(QPointF(layout.Plot.left(), layout.Legend.Bottom), area.bottomRight());
    layout.Marks = BarMarks(bars, layout.Bars, labelMetrics, markBounds);
    return layout;
}

QString SliceText(const ChartSeries& ASeries, int APoint)
{
    const ChartPoint& point = ASeries.point(APoint);
    return point.label + u' ' + FormatChartValue(point.value, ASeries.valueFormat());
}

TChartLayout PieChartLayout(const TChartDescription& AChart)
{
    TChartLayout layout;
    layout.IsPie = true;
    const PieSeries* pie = FirstPieSeries(AChart);
    QVector<TLegendItem> items;
    if (pie)
        for (int i = 0; i < pie->count(); ++i)
            items.append({pie->point(i).label, pie->pointColor(i)});
    const TChartLegendStyle& style = AChart.Legend;
    const QRectF area = ChartArea(AChart).adjusted(Margin, 0, -Margin, -Margin);
    layout.Legend = LayoutLegend(items, style.Title, Metrics(AChart, style.FontHeight),
                                 Metrics(AChart, style.TitleFontHeight), area);
    const QRectF pieArea(QPointF(area.left(), layout.Legend.Bottom), area.bottomRight());
    layout.Pie = LayoutPie(pie ? ValuesOf(*pie) : QVector<double>(), pieArea, AChart.Chart3DPercent);
    const QFontMetricsF metrics = Metrics(AChart, ChartLabelFontHeight);
    QVector<TMarkGeometry> marks;
    for (const TPieSliceGeometry& slice : layout.Pie.Slices) {
        TMarkGeometry mark = LayoutCentredMark(SliceText(*pie, slice.Point),
                                               layout.Pie.pointAt(slice.MidAngle, 0.6), metrics, pieArea);
        if (AChart.PieMarkArrows)
            mark.Arrow = QLineF(layout.Pie.pointAt(slice.MidAngle, 1.0), mark.Box.center());
        mark.Point = slice.Point;
        marks.append(mark);
    }
    layout.Marks = marks;
    return layout;
}

} // namespace

TChartLayout ComputeChartLayout(const TChartDescription& AChart)
{
    return BarSeriesOf(AChart).isEmpty() ? PieChartLayout(AChart) : BarChartLayout(AChart);
}
