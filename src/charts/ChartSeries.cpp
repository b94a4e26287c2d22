#include "charts/ChartSeries.h"

void ChartSeries::clear()
{
    m_points.clear();
    changed();
}

void ChartSeries::add(double value, const QString& label, const QColor& color)
{
    m_points.append({value, label, color});
    changed();
}

double ChartSeries::yValue(int index) const
{
    if (index < 0 || index >= m_points.size())
        return 0;
    return m_points[index].value;
}

QColor ChartSeries::pointColor(int index) const
{
    const QColor& own = m_points.at(index).color;
    return own.isValid() ? own : m_color;
}

void ChartSeries::setTitle(const QString& title)
{
    m_title = title;
    changed();
}

void ChartSeries::setSeriesColor(const QColor& color)
{
    m_color = color;
    changed();
}

void ChartSeries::setLegendTitle(const QString& title)
{
    m_legendTitle = title;
    changed();
}

void ChartSeries::setShowInLegend(bool show)
{
    m_showInLegend = show;
    changed();
}

void ChartSeries::setValueFormat(const QString& format)
{
    m_valueFormat = format;
    changed();
}

void ChartSeries::changed()
{
    if (m_changed)
        m_changed();
}
