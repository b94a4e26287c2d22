#include "charts/ChartDescription.h"

#include "charts/BarSeries.h"
#include "charts/PieSeries.h"

QVector<const BarSeries*> BarSeriesOf(const TChartDescription& AChart)
{
    QVector<const BarSeries*> bars;
    for (const std::shared_ptr<ChartSeries>& series : AChart.Series)
        if (const auto* bar = dynamic_cast<const BarSeries*>(series.get()))
            bars.append(bar);
    return bars;
}

const PieSeries* FirstPieSeries(const TChartDescription& AChart)
{
    for (const std::shared_ptr<ChartSeries>& series : AChart.Series)
        if (const auto* pie = dynamic_cast<const PieSeries*>(series.get()))
            return pie;
    return nullptr;
}

QFont ChartFont(const TChartDescription& AChart, int APixelHeight)
{
    QFont font = AChart.Font;
    font.setPixelSize(std::max(1, APixelHeight));
    return font;
}
