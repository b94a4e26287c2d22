#include "charts/ChartItems.h"

#include "charts/BarSeries.h"
#include "charts/ChartLayout.h"
#include "charts/PieSeries.h"
#include "charts/ValueFormat.h"

#include <QMap>
#include <QPainterPath>
#include <cmath>

namespace {

// The figures of one stack group at one x.
struct TStackFigures
{
    QStringList Parts;
    long double Sum = 0;
};

int BarPointCount(const TChartLayout& ALayout)
{
    int count = 0;
    for (const TBarSegment& segment : ALayout.Bars)
        count = std::max(count, segment.Point + 1);
    return count;
}

// The label of x position AX: the first series with a text there names it, else its place counted from 1.
QString PointLabel(const QVector<const BarSeries*>& ABars, int AX)
{
    for (const BarSeries* series : ABars)
        if (AX < series->count() && !series->point(AX).label.isEmpty())
            return series->point(AX).label;
    return QString::number(AX + 1);
}

QString SeriesName(const TChartDescription& AChart, const QVector<const BarSeries*>& ABars, int ASeries)
{
    const QStringList& names = AChart.Wording.SeriesNames;
    if (ASeries < names.size() && !names[ASeries].isEmpty())
        return names[ASeries];
    return ABars[ASeries]->legendTitle().trimmed();
}

QString BarItemText(const TChartDescription& AChart, const TChartLayout& ALayout, int AX)
{
    const QVector<const BarSeries*> bars = BarSeriesOf(AChart);
    const TChartWording& wording = AChart.Wording;
    const auto figure = [&AChart](double AValue) {
        return FormatChartValue(AValue, AChart.LeftAxis.LabelFormat).trimmed();
    };
    QMap<int, TStackFigures> stacks;
    for (const TBarSegment& segment : ALayout.Bars) {
        if (segment.Point != AX)
            continue;
        TStackFigures& stack = stacks[bars[segment.Series]->stackGroup()];
        stack.Parts.append(SeriesName(AChart, bars, segment.Series) + u' ' + figure(segment.Value));
        stack.Sum += segment.Value;
    }
    QStringList sides;
    for (auto stack = stacks.cbegin(); stack != stacks.cend(); ++stack) {
        const QString figures =
            (stack->Parts + QStringList{wording.TotalName + u' ' + figure(double(stack->Sum))})
                .join(QStringLiteral(", "));
        const QString heading = wording.GroupHeading ? wording.GroupHeading(stack.key()) : QString();
        sides.append(heading.isEmpty() ? figures : heading + QStringLiteral(": ") + figures);
    }
    return wording.PointName.arg(PointLabel(bars, AX)) + QStringLiteral(": ") +
           sides.join(QStringLiteral("; "));
}

QString SliceText(const TChartDescription& AChart, const TPieSliceGeometry& ASlice)
{
    const PieSeries* pie = FirstPieSeries(AChart);
    const ChartPoint& point = pie->point(ASlice.Point);
    return point.label + u' ' + FormatChartValue(point.value, pie->valueFormat()).trimmed() +
           QStringLiteral(", ") + PercentText(ASlice.SpanAngle / 360 * 100);
}

QRectF SliceRect(const TPieLayout& APie, const TPieSliceGeometry& ASlice)
{
    QPainterPath wedge(APie.Face.center());
    wedge.arcTo(APie.Face, ASlice.StartAngle, ASlice.SpanAngle);
    wedge.closeSubpath();
    return wedge.boundingRect();
}

} // namespace

int ChartItemCount(const TChartLayout& ALayout)
{
    return ALayout.IsPie ? int(ALayout.Pie.Slices.size()) : BarPointCount(ALayout);
}

QString ChartItemText(const TChartDescription& AChart, const TChartLayout& ALayout, int AItem)
{
    if (AItem < 0 || AItem >= ChartItemCount(ALayout))
        return QString();
    return ALayout.IsPie ? SliceText(AChart, ALayout.Pie.Slices[AItem]) : BarItemText(AChart, ALayout, AItem);
}

QRectF ChartItemRect(const TChartLayout& ALayout, int AItem)
{
    if (AItem < 0 || AItem >= ChartItemCount(ALayout))
        return QRectF();
    if (ALayout.IsPie)
        return SliceRect(ALayout.Pie, ALayout.Pie.Slices[AItem]);
    const AxisScale& x = ALayout.BottomAxis.Scale;
    return QRectF(QPointF(x.toPixel(AItem - 0.5), ALayout.Plot.top()),
                  QPointF(x.toPixel(AItem + 0.5), ALayout.Plot.bottom()));
}

QString PercentText(double APercent)
{
    if (APercent > 0 && APercent < 0.5)
        return QStringLiteral("less than 1 %");
    return QString::number(APercent, 'f', 0) + QStringLiteral(" %");
}
