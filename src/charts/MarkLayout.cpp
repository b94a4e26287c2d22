#include "charts/MarkLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Padding = 3;
constexpr double SymbolGap = 3;

// The box of a mark at the origin, with its symbol and text inside.
TMarkGeometry MeasureMark(const QString& AText, bool ASymbol, const QFontMetricsF& AMetrics)
{
    TMarkGeometry mark;
    mark.Text = AText;
    const double textHeight = AMetrics.height();
    const double symbolSize = ASymbol ? std::round(textHeight * 0.6) : 0;
    double x = Padding;
    if (ASymbol) {
        mark.Symbol = QRectF(x, Padding + (textHeight - symbolSize) / 2, symbolSize, symbolSize);
        x += symbolSize + SymbolGap;
    }
    mark.TextRect = QRectF(x, Padding, AMetrics.horizontalAdvance(AText), textHeight);
    mark.Box = QRectF(0, 0, mark.TextRect.right() + Padding, textHeight + 2 * Padding);
    return mark;
}

// Moves the box (and what it holds) so its top-left is at ATopLeft, pulled inside ABounds.
void PlaceBox(TMarkGeometry& AMark, QPointF ATopLeft, const QRectF& ABounds)
{
    const QSizeF size = AMark.Box.size();
    ATopLeft.setX(
        std::clamp(ATopLeft.x(), ABounds.left(), std::max(ABounds.left(), ABounds.right() - size.width())));
    ATopLeft.setY(
        std::clamp(ATopLeft.y(), ABounds.top(), std::max(ABounds.top(), ABounds.bottom() - size.height())));
    const QPointF shift(std::round(ATopLeft.x()), std::round(ATopLeft.y()));
    AMark.Box.translate(shift);
    AMark.TextRect.translate(shift);
    if (!AMark.Symbol.isEmpty())
        AMark.Symbol.translate(shift);
}

} // namespace

TMarkGeometry LayoutMark(const QString& AText, const QPointF& AAnchor, bool AUpward, int AArrowLength,
                         bool ASymbol, const QFontMetricsF& AMetrics, const QRectF& ABounds)
{
    TMarkGeometry mark = MeasureMark(AText, ASymbol, AMetrics);
    const double height = mark.Box.height();
    const double top = AUpward ? AAnchor.y() - AArrowLength - height : AAnchor.y() + AArrowLength;
    PlaceBox(mark, {AAnchor.x() - mark.Box.width() / 2, top}, ABounds);
    const double edge = AUpward ? mark.Box.bottom() : mark.Box.top();
    const bool reaches = AUpward ? edge < AAnchor.y() : edge > AAnchor.y();
    const double endX = std::clamp(AAnchor.x(), mark.Box.left(), mark.Box.right());
    mark.Arrow = reaches ? QLineF(AAnchor, QPointF(endX, edge)) : QLineF(AAnchor, AAnchor);
    return mark;
}

TMarkGeometry LayoutCentredMark(const QString& AText, const QPointF& ACentre, const QFontMetricsF& AMetrics,
                                const QRectF& ABounds)
{
    TMarkGeometry mark = MeasureMark(AText, false, AMetrics);
    PlaceBox(mark, ACentre - QPointF(mark.Box.width() / 2, mark.Box.height() / 2), ABounds);
    mark.Arrow = QLineF(ACentre, ACentre);
    return mark;
}
