#pragma once

#include <QPoint>
#include <QVector>
#include <optional>

// The year whose column the mouse is in, from the axis values under it: the bar of year y stands at bottom
// axis value y - 1 and its column reaches 0.6 of a step left and 0.4 right of it. None outside years 1 to
// AYears or above 1.3 times the value axis' top; anywhere below that counts, down past the x axis.
std::optional<int> YearUnderMouse(double ABottomValue, double ALeftValue, double ALeftMaximum, int AYears);

// Where the hover window goes: centred on the cursor, its top edge 15 pixels below it. Not pulled back onto
// the screen.
QPoint HintPosition(const QPoint& ACursor, int AHintWidth);

struct THintWidths
{
    int Column1 = 0;
    int Column2 = 0; // 0: no second side
    int ClientWidth = 0;
};

// The value columns as wide as their widest label (the second with a 20-pixel gap before it) and the window
// as wide as the columns with a little room to their right. An empty ASecond means there is no second side.
THintWidths HintWidths(int AColumn0, const QVector<int>& AFirst, const QVector<int>& ASecond);
