#include "charts/ChartWidget.h"

#include "charts/BarSeries.h"
#include "charts/PieSeries.h"

#include <QPainter>

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartWidget::~ChartWidget() = default;

BarSeries* ChartWidget::addBarSeries()
{
    m_series.push_back(std::make_unique<BarSeries>(this));
    return static_cast<BarSeries*>(m_series.back().get());
}

PieSeries* ChartWidget::addPieSeries()
{
    m_series.push_back(std::make_unique<PieSeries>(this));
    return static_cast<PieSeries*>(m_series.back().get());
}

void ChartWidget::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void ChartWidget::setLegendTitle(const QString& title)
{
    m_legendTitle = title;
    update();
}

void ChartWidget::setChart3DPercent(int percent)
{
    m_chart3DPercent = percent;
    update();
}

void ChartWidget::setBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
}
