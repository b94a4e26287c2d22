#include "charts/ChartWidget.h"

#include "charts/BarSeries.h"
#include "charts/ChartLayout.h"
#include "charts/ChartPainter.h"
#include "charts/PieSeries.h"

#include <QMouseEvent>
#include <QPainter>

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent), m_leftAxis(this, ChartAxis::Side::Left), m_bottomAxis(this, ChartAxis::Side::Bottom)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

ChartWidget::~ChartWidget() = default;

BarSeries* ChartWidget::addBarSeries()
{
    m_series.push_back(std::make_unique<BarSeries>(this));
    invalidateLayout();
    return static_cast<BarSeries*>(m_series.back().get());
}

PieSeries* ChartWidget::addPieSeries()
{
    m_series.push_back(std::make_unique<PieSeries>(this));
    invalidateLayout();
    return static_cast<PieSeries*>(m_series.back().get());
}

void ChartWidget::setTitle(const QString& title)
{
    m_title = title;
    invalidateLayout();
}

void ChartWidget::setLegend(const TChartLegendStyle& legend)
{
    m_legend = legend;
    invalidateLayout();
}

void ChartWidget::setLegendTitle(const QString& title)
{
    m_legend.Title = title;
    invalidateLayout();
}

void ChartWidget::setChart3DPercent(int percent)
{
    m_chart3DPercent = percent;
    invalidateLayout();
}

void ChartWidget::setBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

void ChartWidget::setBottomMargin(int pixels)
{
    m_bottomMargin = pixels;
    invalidateLayout();
}

void ChartWidget::setPieMarkArrows(bool arrows)
{
    m_pieMarkArrows = arrows;
    invalidateLayout();
}

const TChartLayout& ChartWidget::layout() const
{
    if (!m_layout)
        m_layout = std::make_unique<TChartLayout>(ComputeChartLayout(*this));
    return *m_layout;
}

void ChartWidget::invalidateLayout()
{
    m_layout.reset();
    update();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintChart(painter, *this, layout());
}

void ChartWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    invalidateLayout();
}

void ChartWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        invalidateLayout();
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    Q_EMIT mouseMoved(event->position().toPoint());
}

void ChartWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Q_EMIT mouseLeft();
}
