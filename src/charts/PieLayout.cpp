#include "charts/PieLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Seen from 45 degrees above, a circle shows about 0.7 of its width in height.
constexpr double Slant = 0.7;
constexpr double Margin = 4;

bool Shares(double AValue)
{
    return std::isfinite(AValue) && AValue > 0;
}

} // namespace

QPointF TPieLayout::pointAt(double AAngle, double AFraction) const
{
    const double radians = AAngle * std::numbers::pi / 180;
    return {Face.center().x() + AFraction * Face.width() / 2 * std::cos(radians),
            Face.center().y() - AFraction * Face.height() / 2 * std::sin(radians)};
}

TPieLayout LayoutPie(const QVector<double>& AValues, const QRectF& AArea, int A3DPercent)
{
    TPieLayout pie;
    pie.Shadow = QPointF(20, 10);
    const double depthPerHeight = std::clamp(A3DPercent, 0, 100) / 100.0 * 0.5;
    const double width = std::max(0.0, AArea.width() - 2 * Margin - pie.Shadow.x());
    const double height = std::max(0.0, AArea.height() - 2 * Margin - pie.Shadow.y());
    // The face's height h and the side below it (h times depthPerHeight) share the height.
    const double faceWidth = std::floor(std::min(width, height / (Slant * (1 + depthPerHeight))));
    const double faceHeight = std::round(faceWidth * Slant);
    pie.Depth = std::round(faceHeight * depthPerHeight);
    const double left = std::round(AArea.left() + Margin + (width - faceWidth) / 2);
    const double top = std::round(AArea.top() + Margin + (height - faceHeight - pie.Depth) / 2);
    pie.Face = QRectF(left, top, faceWidth, faceHeight);

    // Summed wider than the values, so even the largest doubles share without overflowing.
    long double total = 0;
    for (double value : AValues)
        if (Shares(value))
            total += value;
    if (!(total > 0))
        return pie;
    double angle = 0;
    for (int i = 0; i < AValues.size(); ++i) {
        if (!Shares(AValues[i]))
            continue;
        const double span = double(AValues[i] / total * 360);
        pie.Slices.append({i, angle, span, angle + span / 2});
        angle += span;
    }
    return pie;
}
