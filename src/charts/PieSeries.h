#pragma once

#include "charts/ChartSeries.h"

// Slices of one whole, each with its own label and colour; drawn with the owning chart's 3D depth.
class PieSeries : public ChartSeries
{
public:
    using ChartSeries::ChartSeries;
};
