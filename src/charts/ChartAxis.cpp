#include "charts/ChartAxis.h"

#include "charts/ChartLayout.h"
#include "charts/ChartWidget.h"

namespace {

const AxisScale& ScaleOf(const ChartWidget* AChart, ChartAxis::Side ASide)
{
    const TChartLayout& layout = AChart->layout();
    return ASide == ChartAxis::Side::Left ? layout.LeftAxis.Scale : layout.BottomAxis.Scale;
}

} // namespace

ChartAxis::ChartAxis(ChartWidget* AChart, TChartAxisSettings& ASettings, Side ASide)
    : m_chart(AChart), m_settings(ASettings), m_side(ASide)
{
}

void ChartAxis::setTitle(const QString& ATitle)
{
    m_settings.Title = ATitle;
    m_chart->invalidateLayout();
}

void ChartAxis::setTitleFontHeight(int APixels)
{
    m_settings.TitleFontHeight = APixels;
    m_chart->invalidateLayout();
}

void ChartAxis::setLabelFormat(const QString& AFormat)
{
    m_settings.LabelFormat = AFormat;
    m_chart->invalidateLayout();
}

double ChartAxis::minimum() const
{
    return ScaleOf(m_chart, m_side).minimum();
}

double ChartAxis::maximum() const
{
    return ScaleOf(m_chart, m_side).maximum();
}

double ChartAxis::calcPosPoint(int APixel) const
{
    return ScaleOf(m_chart, m_side).toValue(APixel);
}

double ChartAxis::calcPosValue(double AValue) const
{
    return ScaleOf(m_chart, m_side).toPixel(AValue);
}
