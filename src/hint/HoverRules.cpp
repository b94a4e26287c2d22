#include "hint/HoverRules.h"

#include "numbers/Rounding.h"

#include <algorithm>

namespace {

// The x value of a bar is one less than its year; 0.1 more shifts each column 0.1 of a step to the left.
constexpr long double YearOffset = 1.1L;
constexpr long double HeadroomFactor = 1.3L;
constexpr int CursorGap = 15;
constexpr int SecondColumnGap = 20;
// Twice a label's default margin of 3 pixels.
constexpr int RightRoom = 2 * 3;

int Widest(const QVector<int>& AWidths)
{
    return AWidths.isEmpty() ? 0 : *std::max_element(AWidths.begin(), AWidths.end());
}

} // namespace

std::optional<int> YearUnderMouse(double ABottomValue, double ALeftValue, double ALeftMaximum, int AYears)
{
    const long double v = ABottomValue + YearOffset;
    // Tested in this order; a NaN fails the first test, so only a small finite v reaches the conversion.
    if (!(v >= 0.5L) || !(v <= AYears + 0.5L) || !(ALeftValue < HeadroomFactor * ALeftMaximum))
        return std::nullopt;
    return int(RoundTo(v, 0));
}

QPoint HintPosition(const QPoint& ACursor, int AHintWidth)
{
    return {ACursor.x() - AHintWidth / 2, ACursor.y() + CursorGap};
}

THintWidths HintWidths(int AColumn0, const QVector<int>& AFirst, const QVector<int>& ASecond)
{
    THintWidths widths;
    widths.Column1 = Widest(AFirst);
    widths.Column2 = ASecond.isEmpty() ? 0 : Widest(ASecond) + SecondColumnGap;
    widths.ClientWidth = AColumn0 + widths.Column1 + widths.Column2 + RightRoom;
    return widths;
}
