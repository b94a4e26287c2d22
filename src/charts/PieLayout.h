#pragma once

#include <QRectF>
#include <QVector>

// One slice, angles in degrees counter-clockwise from three o'clock as QPainter counts them.
struct TPieSliceGeometry
{
    int Point = 0;
    double StartAngle = 0;
    double SpanAngle = 0;
    double MidAngle = 0;
};

// A pie seen from above at a slant: the top face is an ellipse, and the side shows Depth pixels of
// thickness below its front half.
struct TPieLayout
{
    QRectF Face;
    double Depth = 0;
    // How far the body's shadow falls to the right and down, room for it kept inside the area.
    QPointF Shadow;
    QVector<TPieSliceGeometry> Slices;

    // The point at AFraction of the radius along AAngle on the top face.
    QPointF pointAt(double AAngle, double AFraction) const;
};

// Fits the pie into AArea with room for its shadow and a side of A3DPercent;
// each slice takes its share of the positive finite values. A value of 0 or less, or one that is not
// finite, gets no slice; a pie with nothing to share has no slices at all.
TPieLayout LayoutPie(const QVector<double>& AValues, const QRectF& AArea, int A3DPercent);
