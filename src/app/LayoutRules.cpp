#include "app/LayoutRules.h"

#include "numbers/Rounding.h"

namespace {

int RoundedPixels(long double AValue)
{
    return static_cast<int>(RoundTo(AValue, 0));
}

} // namespace

std::array<int, 5> GridColumnWidths(int AClientWidth, int AGridLineWidth)
{
    const long double clientWidth = AClientWidth;
    std::array<int, 5> widths{};
    widths[0] = RoundedPixels(clientWidth * 0.1L);
    for (int col = 1; col <= 3; ++col)
        widths[col] = RoundedPixels(clientWidth * 0.225L - 1);
    widths[4] = AClientWidth - widths[0] - widths[1] - widths[2] - widths[3] - 4 * AGridLineWidth;
    return widths;
}
