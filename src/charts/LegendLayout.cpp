#include "charts/LegendLayout.h"

#include <cmath>

namespace {

constexpr double VertMargin = 5;
constexpr double VertSpacing = 2;
constexpr double SymbolGap = 4;
constexpr double EntryGap = 12;
constexpr double TitlePadding = 3;

struct TMeasured
{
    TLegendEntry Entry;
    double Width = 0;
};

TMeasured Measure(const TLegendItem& AItem, const QFontMetricsF& AMetrics, double ARoom)
{
    const double symbol = std::round(AMetrics.height() * 0.7);
    const double textRoom = std::max(0.0, ARoom - symbol - SymbolGap);
    TMeasured measured;
    measured.Entry.Text = AMetrics.elidedText(AItem.Text, Qt::ElideRight, textRoom);
    measured.Entry.Color = AItem.Color;
    measured.Entry.Symbol = QRectF(0, (AMetrics.height() - symbol) / 2, symbol, symbol);
    const double textWidth = std::ceil(AMetrics.horizontalAdvance(measured.Entry.Text));
    measured.Entry.TextRect = QRectF(symbol + SymbolGap, 0, textWidth, AMetrics.height());
    measured.Width = symbol + SymbolGap + textWidth;
    return measured;
}

// Puts one line of entries centred in AArea at ATop.
void PlaceLine(QVector<TMeasured>& ALine, double ALineWidth, const QRectF& AArea, double ATop,
               QVector<TLegendEntry>& AEntries)
{
    double x = std::round(AArea.left() + (AArea.width() - ALineWidth) / 2);
    for (TMeasured& measured : ALine) {
        const QPointF shift(x, ATop);
        measured.Entry.Symbol.translate(shift);
        measured.Entry.TextRect.translate(shift);
        AEntries.append(measured.Entry);
        x += measured.Width + EntryGap;
    }
    ALine.clear();
}

} // namespace

TLegendLayout LayoutLegend(const QVector<TLegendItem>& AItems, const QString& ATitle,
                           const QFontMetricsF& AMetrics, const QFontMetricsF& ATitleMetrics,
                           const QRectF& AArea)
{
    TLegendLayout legend;
    double top = AArea.top() + VertMargin;
    if (!ATitle.isEmpty()) {
        legend.Title = ATitleMetrics.elidedText(ATitle, Qt::ElideRight, AArea.width() - 2 * TitlePadding);
        const double width = std::ceil(ATitleMetrics.horizontalAdvance(legend.Title)) + 2 * TitlePadding;
        const double height = ATitleMetrics.height() + 2 * TitlePadding;
        legend.TitleRect = QRectF(std::round(AArea.center().x() - width / 2), top, width, height);
        top += height + VertSpacing;
    }
    QVector<TMeasured> line;
    double lineWidth = 0;
    for (const TLegendItem& item : AItems) {
        TMeasured measured = Measure(item, AMetrics, AArea.width());
        const double widthWith = line.isEmpty() ? measured.Width : lineWidth + EntryGap + measured.Width;
        if (!line.isEmpty() && widthWith > AArea.width()) {
            PlaceLine(line, lineWidth, AArea, top, legend.Entries);
            top += AMetrics.height() + VertSpacing;
            lineWidth = measured.Width;
        } else {
            lineWidth = widthWith;
        }
        line.append(measured);
    }
    if (!line.isEmpty()) {
        PlaceLine(line, lineWidth, AArea, top, legend.Entries);
        top += AMetrics.height();
    }
    legend.Bottom = top + VertMargin;
    return legend;
}
