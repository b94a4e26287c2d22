#pragma once

#include <QColor>
#include <QString>
#include <QVector>
#include <functional>

// A value with its label and colour; an invalid colour means "take the series colour".
struct ChartPoint
{
    double value = 0;
    QString label;
    QColor color;
};

// What bar and pie series share: a title, a colour, a place in the legend and the points. Every change is
// told to the owner through the function it gave, so it can lay its chart out anew.
class ChartSeries
{
public:
    explicit ChartSeries(std::function<void()> changed = {}) : m_changed(std::move(changed)) {}
    virtual ~ChartSeries() = default;
    ChartSeries(const ChartSeries&) = delete;
    ChartSeries& operator=(const ChartSeries&) = delete;

    void clear();
    void add(double value, const QString& label, const QColor& color = QColor());
    int count() const { return int(m_points.size()); }
    const ChartPoint& point(int index) const { return m_points.at(index); }
    // The value at a point index; 0 where the series holds no such point, so a reader racing a
    // recalculation never reads past the points present.
    double yValue(int index) const;
    // The colour a point is drawn in: its own, or the series colour.
    QColor pointColor(int index) const;

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QColor seriesColor() const { return m_color; }
    void setSeriesColor(const QColor& color);
    QString legendTitle() const { return m_legendTitle.isEmpty() ? m_title : m_legendTitle; }
    void setLegendTitle(const QString& title);
    bool showInLegend() const { return m_showInLegend; }
    void setShowInLegend(bool show);
    // The picture (FormatChartValue) of the values shown in marks.
    QString valueFormat() const { return m_valueFormat; }
    void setValueFormat(const QString& format);

protected:
    void changed();

private:
    std::function<void()> m_changed;
    QVector<ChartPoint> m_points;
    QString m_title;
    QString m_legendTitle;
    QColor m_color;
    bool m_showInLegend = true;
    QString m_valueFormat = QStringLiteral("#,##0.###");
};
