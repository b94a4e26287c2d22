#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <QVector>

// One legend entry as the chart offers it: a text in a colour, shown after a square of that colour.
struct TLegendItem
{
    QString Text;
    QColor Color;
};

struct TLegendEntry
{
    QRectF Symbol;
    QRectF TextRect;
    QString Text; // elided when the entry is wider than the legend's room
    QColor Color;
};

struct TLegendLayout
{
    QString Title;    // elided when wider than the legend's room
    QRectF TitleRect; // empty without a title
    QVector<TLegendEntry> Entries;
    double Bottom = 0; // the first pixel row below the legend
};

// Lays out a legend across AArea from its top: the title centred, then the entries in lines, each line
// centred, wrapping onto a new line rather than overlapping or running past the edge.
TLegendLayout LayoutLegend(const QVector<TLegendItem>& AItems, const QString& ATitle,
                           const QFontMetricsF& AMetrics, const QFontMetricsF& ATitleMetrics,
                           const QRectF& AArea);
