#pragma once

#include "charts/ChartAxis.h"
#include "charts/ChartWording.h"

#include <QColor>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class BarSeries;
class ChartSeries;
class PieSeries;
struct TChartLayout;

// How a chart's legend looks: its entries' font, and an optional title above them.
struct TChartLegendStyle
{
    int FontHeight = 12;
    QString Title;
    int TitleFontHeight = 13;
    QColor TitleColor = Qt::black;
    bool TitleLowered = false; // a lowered bevel around the title
};

// A chart widget owning its series in list order; the list index is how the window addresses them.
// With bar series it draws a bar graph (legend at the top, a value axis on the left, an x axis below);
// otherwise the pie of its first pie series under the legend. What is drawn, where the mouse is and what
// a screen reader is told all come from one layout, computed when the data or the size has changed.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    BarSeries* addBarSeries();
    PieSeries* addPieSeries();
    int seriesCount() const { return int(m_series.size()); }
    ChartSeries* series(int index) const { return m_series.at(std::size_t(index)).get(); }

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    const TChartLegendStyle& legend() const { return m_legend; }
    void setLegend(const TChartLegendStyle& legend);
    QString legendTitle() const { return m_legend.Title; }
    void setLegendTitle(const QString& title);
    int chart3DPercent() const { return m_chart3DPercent; }
    void setChart3DPercent(int percent);
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& color);
    // Pixels kept free below the x axis' title, for controls that stand on the chart.
    int bottomMargin() const { return m_bottomMargin; }
    void setBottomMargin(int pixels);
    // Whether a pie's marks point to their slices with an arrow.
    bool pieMarkArrows() const { return m_pieMarkArrows; }
    void setPieMarkArrows(bool arrows);
    // What a screen reader calls the items of a bar graph (ChartAccessible).
    const TChartWording& wording() const { return m_wording; }
    void setWording(const TChartWording& wording) { m_wording = wording; }

    ChartAxis& leftAxis() { return m_leftAxis; }
    const ChartAxis& leftAxis() const { return m_leftAxis; }
    ChartAxis& bottomAxis() { return m_bottomAxis; }
    const ChartAxis& bottomAxis() const { return m_bottomAxis; }

    const TChartLayout& layout() const;
    // The data or a setting has changed: lay out anew before the next paint or reading.
    void invalidateLayout();

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
    std::vector<std::unique_ptr<ChartSeries>> m_series;
    QString m_title;
    TChartLegendStyle m_legend;
    int m_chart3DPercent = 15;
    QColor m_background = Qt::white;
    int m_bottomMargin = 0;
    bool m_pieMarkArrows = false;
    TChartWording m_wording;
    ChartAxis m_leftAxis;
    ChartAxis m_bottomAxis;
    mutable std::unique_ptr<TChartLayout> m_layout;
};
