#pragma once

#include <QFontMetricsF>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVector>

// A value mark: a box with the text (and a symbol in the series colour), joined by an arrow to the
// point of the bar or slice it belongs to.
struct TMarkGeometry
{
    int Series = 0;
    int Point = 0;
    QString Text;
    QRectF Box;
    QRectF Symbol; // empty when the mark shows no symbol
    QRectF TextRect;
    QLineF Arrow; // zero length when there is none
};

// Places a mark AArrowLength pixels above AAnchor (below it when not AUpward), centred on it, with its
// text and optional symbol measured in AMetrics. The box is kept inside ABounds, so a mark is never cut
// off; the arrow then runs from the anchor to the nearest edge of the box as it stands.
TMarkGeometry LayoutMark(const QString& AText, const QPointF& AAnchor, bool AUpward, int AArrowLength,
                         bool ASymbol, const QFontMetricsF& AMetrics, const QRectF& ABounds);

// Places a mark centred on ACentre, inside ABounds, with no arrow.
TMarkGeometry LayoutCentredMark(const QString& AText, const QPointF& ACentre, const QFontMetricsF& AMetrics,
                                const QRectF& ABounds);
