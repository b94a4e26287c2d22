#pragma once

#include <array>

// Widths of a year table's five columns for the grid's client width: the year takes a tenth, the three
// amounts 22.5 % less a pixel each, and the total what remains after the lines between the columns.
std::array<int, 5> GridColumnWidths(int AClientWidth, int AGridLineWidth);

// A caption and its value fit side by side when the caption ends before the value begins; touching
// counts as overlapping.
constexpr bool LabelPairFits(int ACaptionLeft, int ACaptionWidth, int AValueLeft)
{
    return ACaptionLeft + ACaptionWidth < AValueLeft;
}

// Which year tables are refitted for the window's outer width: in comparison mode only from 1000 pixels
// on, when both halves are wide enough to be worth it; the single table always.
struct TGridRefit
{
    bool First;
    bool Second;
};
constexpr int WideWindowWidth = 1000;
// The outer width the rule reads: the client width with a common frame of 8 pixels a side, whatever frame
// the desktop draws, so that a thin frame or none does not move the rule.
constexpr int CommonFrameBorder = 8;
constexpr int OuterWidth(int AClientWidth)
{
    return AClientWidth + 2 * CommonFrameBorder;
}
constexpr TGridRefit GridsToRefit(bool AComparison, int AOuterWidth)
{
    const bool wide = AOuterWidth >= WideWindowWidth;
    return {!AComparison || wide, AComparison && wide};
}
