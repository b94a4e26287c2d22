#pragma once

#include "charts/ChartAxis.h"
#include "charts/ChartDescription.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <memory>

class BarSeries;
class ChartSeries;
class PieSeries;
struct TChartLayout;

// A chart widget: it keeps the chart's description (TChartDescription), lays the chart out from it when
// the data or the size has changed, and paints that layout. What is drawn, where the mouse is and what a
// screen reader is told all come from that one layout.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    BarSeries* addBarSeries();
    PieSeries* addPieSeries();
    int seriesCount() const { return int(m_description.Series.size()); }
    ChartSeries* series(int index) const { return m_description.Series.at(std::size_t(index)).get(); }

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    void setLegend(const TChartLegendStyle& legend);
    QString legendTitle() const { return m_description.Legend.Title; }
    void setLegendTitle(const QString& title);
    int chart3DPercent() const { return m_description.Chart3DPercent; }
    void setChart3DPercent(int percent);
    QColor backgroundColor() const { return m_description.Background; }
    void setBackgroundColor(const QColor& color);
    void setBottomMargin(int pixels);
    void setPieMarkArrows(bool arrows);
    void setWording(const TChartWording& wording) { m_description.Wording = wording; }

    ChartAxis& leftAxis() { return m_leftAxis; }
    const ChartAxis& leftAxis() const { return m_leftAxis; }
    ChartAxis& bottomAxis() { return m_bottomAxis; }
    const ChartAxis& bottomAxis() const { return m_bottomAxis; }

    // What the chart is laid out and painted from; its size and font are those of the last layout.
    const TChartDescription& description() const { return m_description; }
    const TChartLayout& layout() const;
    // The data or a setting has changed: lay out anew before the next paint or reading.
    void invalidateLayout();
    // The chart as shown, painted afresh with ARatio device pixels to a pixel, so that it stays sharp when
    // shown larger; without the focus frame.
    QImage image(qreal ARatio) const;

Q_SIGNALS:
    void mouseMoved(const QPoint& position);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    template <class Series> Series* addSeries();

    QString m_title;
    // Laying out fills in the widget's size and font as they are then: a hidden widget is resized
    // without hearing of it, so neither can be taken from events.
    mutable TChartDescription m_description;
    ChartAxis m_leftAxis;
    ChartAxis m_bottomAxis;
    mutable std::unique_ptr<TChartLayout> m_layout;
};
