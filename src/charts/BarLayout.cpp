#include "charts/BarLayout.h"

#include <QMap>
#include <algorithm>
#include <cmath>

namespace {

// The groups that hold at least one point, in ascending order: their slots at every x.
QVector<int> ShownGroups(const QVector<TBarSeriesData>& ASeries)
{
    QVector<int> groups;
    for (const TBarSeriesData& series : ASeries)
        if (!series.Values.isEmpty() && !groups.contains(series.Group))
            groups.append(series.Group);
    std::sort(groups.begin(), groups.end());
    return groups;
}

double Drawable(double AValue)
{
    return std::isfinite(AValue) ? AValue : 0.0;
}

// Running sums of one group at one x: positive values grow up from 0, negative ones down.
struct TStack
{
    double Up = 0;
    double Down = 0;

    // The segment's ends for AValue, and the stack grown by it.
    std::pair<double, double> push(double AValue)
    {
        double& end = AValue < 0 ? Down : Up;
        const double base = end;
        end += AValue;
        return {base, end};
    }
};

QRectF SnappedRect(double ALeft, double ARight, double ATop, double ABottom)
{
    const QPointF topLeft(std::round(std::min(ALeft, ARight)), std::round(std::min(ATop, ABottom)));
    const QPointF bottomRight(std::round(std::max(ALeft, ARight)), std::round(std::max(ATop, ABottom)));
    return QRectF(topLeft, bottomRight);
}

} // namespace

TValueRange StackedRange(const QVector<TBarSeriesData>& ASeries)
{
    QMap<std::pair<int, int>, TStack> stacks;
    TValueRange range;
    for (const TBarSeriesData& series : ASeries) {
        for (int x = 0; x < series.Values.size(); ++x) {
            const auto [base, end] = stacks[{series.Group, x}].push(Drawable(series.Values[x]));
            if (std::isfinite(end)) {
                range.Low = std::min(range.Low, end);
                range.High = std::max(range.High, end);
            }
        }
    }
    return range;
}

int PointCount(const QVector<TBarSeriesData>& ASeries)
{
    qsizetype count = 0;
    for (const TBarSeriesData& series : ASeries)
        count = std::max(count, series.Values.size());
    return int(count);
}

QVector<TBarSegment> LayoutBars(const QVector<TBarSeriesData>& ASeries, const AxisScale& AX,
                                const AxisScale& AY, double AWidthFraction)
{
    const QVector<int> groups = ShownGroups(ASeries);
    const double slotWidth = groups.isEmpty() ? 0 : AWidthFraction / groups.size();
    QMap<std::pair<int, int>, TStack> stacks;
    QVector<TBarSegment> segments;
    for (int s = 0; s < ASeries.size(); ++s) {
        const TBarSeriesData& series = ASeries[s];
        const int slot = int(groups.indexOf(series.Group));
        for (int x = 0; x < series.Values.size(); ++x) {
            const double value = series.Values[x];
            const auto [base, end] = stacks[{series.Group, x}].push(Drawable(value));
            const double left = x - AWidthFraction / 2 + slot * slotWidth;
            segments.append({s, x,
                             SnappedRect(AX.toPixel(left), AX.toPixel(left + slotWidth), AY.toPixel(end),
                                         AY.toPixel(base)),
                             value});
        }
    }
    return segments;
}

int SegmentAt(const QVector<TBarSegment>& ASegments, const QPointF& APoint)
{
    for (int i = 0; i < ASegments.size(); ++i)
        if (!ASegments[i].Rect.isEmpty() && ASegments[i].Rect.contains(APoint))
            return i;
    return -1;
}
