#pragma once

#include <QVector>

// Round tick values over a data range: steps of 1, 2 or 5 times a power of ten, the ends on whole steps.
struct TAxisTicks
{
    double Minimum = 0;
    double Maximum = 1;
    double Step = 1;

    QVector<double> Values() const;
};

// Ticks covering ALow..AHigh with at most about AMaxTicks steps. Non-finite ends count as 0, an empty
// range is widened around its value, and the result always has a positive, finite step, so no caller can
// divide by zero or loop without end.
TAxisTicks NiceTicks(double ALow, double AHigh, int AMaxTicks);

// A linear map between axis values and pixels. The pixel ends may run either way (a value axis grows
// upwards, so its minimum sits at the larger pixel).
class AxisScale
{
public:
    AxisScale() = default;
    AxisScale(double AMinimum, double AMaximum, double AMinimumPixel, double AMaximumPixel);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    double toPixel(double AValue) const;
    double toValue(double APixel) const;

private:
    double m_minimum = 0;
    double m_maximum = 1;
    double m_minimumPixel = 0;
    double m_maximumPixel = 1;
};
