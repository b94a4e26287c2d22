#pragma once

#include "charts/AxisScale.h"

#include <QRectF>
#include <QVector>

// What the bar layout needs of one bar series: its stack group and its values, one per x.
struct TBarSeriesData
{
    int Group = 0;
    QVector<double> Values;
};

// One series' bar piece at one x, in pixels. A value of 0 (or one that cannot be drawn) gets an empty
// rectangle at its place in the stack, so what stands on it stays where it belongs.
struct TBarSegment
{
    int Series = 0;
    int Point = 0;
    QRectF Rect;
    double Value = 0;
};

// The lowest and highest stacked sums, 0 always included: positive values stack up from 0 and negative
// ones down from it, each group and x by itself. Values that are not finite take no part.
struct TValueRange
{
    double Low = 0;
    double High = 0;
};
TValueRange StackedRange(const QVector<TBarSeriesData>& ASeries);

// The number of x positions: the most points any series holds.
int PointCount(const QVector<TBarSeriesData>& ASeries);

// Lays out every segment: at each x the stack groups that hold points stand side by side in group order,
// sharing AWidthFraction of the step between two x positions; within a group the series stack in list
// order. Edges are snapped to whole pixels so bars stay crisp.
QVector<TBarSegment> LayoutBars(const QVector<TBarSeriesData>& ASeries, const AxisScale& AX,
                                const AxisScale& AY, double AWidthFraction);

// The index of the segment under APoint, or -1.
int SegmentAt(const QVector<TBarSegment>& ASegments, const QPointF& APoint);
