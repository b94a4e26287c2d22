#include "charts/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this a range's width or a pixel position would overflow; chart values this large are clipped.
constexpr double LargestValue = 1e300;
constexpr int MostTicks = 1000;

double Sane(double AValue)
{
    return std::isfinite(AValue) ? std::clamp(AValue, -LargestValue, LargestValue) : 0.0;
}

// The smallest of 1, 2, 5 times a power of ten that is not below ARaw.
double NiceStep(double ARaw)
{
    const double power = std::pow(10.0, std::floor(std::log10(ARaw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= ARaw * (1 - 1e-12))
            return factor * power;
    return 10 * power;
}

} // namespace

QVector<double> TAxisTicks::Values() const
{
    QVector<double> values;
    const double count = std::min(std::round((Maximum - Minimum) / Step), double(MostTicks));
    for (int i = 0; i <= int(count); ++i)
        values.append(Minimum + i * Step);
    return values;
}

TAxisTicks NiceTicks(double ALow, double AHigh, int AMaxTicks)
{
    double low = Sane(std::min(ALow, AHigh));
    double high = Sane(std::max(ALow, AHigh));
    if (high == low) {
        const double spread = low == 0 ? 1.0 : std::fabs(low);
        low = low < 0 ? low - spread : low;
        high = low < 0 ? high : high + spread;
    }
    const int steps = std::clamp(AMaxTicks, 1, MostTicks);
    const double step = NiceStep((high - low) / steps);
    TAxisTicks ticks;
    ticks.Step = step;
    ticks.Minimum = std::floor(low / step) * step;
    ticks.Maximum = std::ceil(high / step) * step;
    return ticks;
}

AxisScale::AxisScale(double AMinimum, double AMaximum, double AMinimumPixel, double AMaximumPixel)
    : m_minimum(AMinimum), m_maximum(AMaximum), m_minimumPixel(AMinimumPixel), m_maximumPixel(AMaximumPixel)
{
    if (!(m_maximum > m_minimum))
        m_maximum = m_minimum + 1;
}

double AxisScale::toPixel(double AValue) const
{
    const double fraction = (Sane(AValue) - m_minimum) / (m_maximum - m_minimum);
    return m_minimumPixel + std::clamp(fraction, -1e6, 1e6) * (m_maximumPixel - m_minimumPixel);
}

double AxisScale::toValue(double APixel) const
{
    if (m_maximumPixel == m_minimumPixel)
        return m_minimum;
    return m_minimum +
           (APixel - m_minimumPixel) / (m_maximumPixel - m_minimumPixel) * (m_maximum - m_minimum);
}
