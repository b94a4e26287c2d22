#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// A line of a year table's header caption and where its text starts (top-left).
struct THeaderLine
{
    QString Text;
    QPoint TopLeft;

    bool operator==(const THeaderLine&) const = default;
};

// The caption of header column ACol in the cell ARect: "Year" and "Total" on one line, the three amounts
// on two ("Initial" over "deposit"), each line centred on its own width and the block centred in height.
// "Year" stands a pixel left of the centre. Halves are truncated. Nothing for a column past the last.
QVector<THeaderLine> HeaderCaptionLines(int ACol, const QRect& ARect,
                                        const std::function<int(const QString&)>& ATextWidth,
                                        int ATextHeight);

// The captions on one line each, as a copied table or a screen reader names the columns.
QStringList YearTableCaptions();
