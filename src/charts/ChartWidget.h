#pragma once

#include <QColor>
#include <QWidget>
#include <memory>
#include <vector>

class BarSeries;
class ChartSeries;
class PieSeries;

// A chart widget owning its series in list order; the list index is how the window addresses them.
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
    QString legendTitle() const { return m_legendTitle; }
    void setLegendTitle(const QString& title);
    int chart3DPercent() const { return m_chart3DPercent; }
    void setChart3DPercent(int percent);
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::unique_ptr<ChartSeries>> m_series;
    QString m_title;
    QString m_legendTitle;
    int m_chart3DPercent = 15;
    QColor m_background = Qt::white;
};
