#include "charts/ChartWidget.h"

#include "charts/BarSeries.h"
#include "charts/ChartLayout.h"
#include "charts/ChartPainter.h"
#include "charts/PieSeries.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent), m_leftAxis(this, m_description.LeftAxis, ChartAxis::Side::Left),
      m_bottomAxis(this, m_description.BottomAxis, ChartAxis::Side::Bottom)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

ChartWidget::~ChartWidget() = default;

template <class Series> Series* ChartWidget::addSeries()
{
    m_description.Series.push_back(std::make_shared<Series>([this] { invalidateLayout(); }));
    invalidateLayout();
    return static_cast<Series*>(m_description.Series.back().get());
}

BarSeries* ChartWidget::addBarSeries()
{
    return addSeries<BarSeries>();
}

PieSeries* ChartWidget::addPieSeries()
{
    return addSeries<PieSeries>();
}

void ChartWidget::setTitle(const QString& title)
{
    m_title = title;
    invalidateLayout();
}

void ChartWidget::setLegend(const TChartLegendStyle& legend)
{
    m_description.Legend = legend;
    invalidateLayout();
}

void ChartWidget::setLegendTitle(const QString& title)
{
    m_description.Legend.Title = title;
    invalidateLayout();
}

void ChartWidget::setChart3DPercent(int percent)
{
    m_description.Chart3DPercent = percent;
    invalidateLayout();
}

void ChartWidget::setBackgroundColor(const QColor& color)
{
    m_description.Background = color;
    update();
}

void ChartWidget::setBottomMargin(int pixels)
{
    m_description.BottomMargin = pixels;
    invalidateLayout();
}

void ChartWidget::setPieMarkArrows(bool arrows)
{
    m_description.PieMarkArrows = arrows;
    invalidateLayout();
}

const TChartLayout& ChartWidget::layout() const
{
    if (!m_layout) {
        m_description.Size = size();
        m_description.Font = font();
        m_layout = std::make_unique<TChartLayout>(ComputeChartLayout(m_description));
    }
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
    const TChartLayout& laidOut = layout();
    PaintChart(painter, m_description, laidOut, palette());
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

QImage ChartWidget::image(qreal ARatio) const
{
    QImage image((QSizeF(size()) * ARatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ARatio);
    QPainter painter(&image);
    PaintChart(painter, m_description, layout(), palette());
    return image;
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
