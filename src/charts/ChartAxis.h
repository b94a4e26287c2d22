#pragma once

#include <QString>

class ChartWidget;

// One axis of a bar graph: its title and label format, and, as laid out, its ends and the conversion
// between pixels of the chart and axis values. The x axis counts points: point i stands at value i.
class ChartAxis
{
public:
    enum class Side
    {
        Left,
        Bottom,
    };

    ChartAxis(ChartWidget* AChart, Side ASide);

    QString title() const { return m_title; }
    void setTitle(const QString& ATitle);
    int titleFontHeight() const { return m_titleFontHeight; }
    void setTitleFontHeight(int APixels);
    // A picture as FormatChartValue reads it, for the tick labels of a value axis.
    QString labelFormat() const { return m_labelFormat; }
    void setLabelFormat(const QString& AFormat);

    double minimum() const;
    double maximum() const;
    // The axis value at a pixel of the chart: x for the bottom axis, y for the left one.
    double calcPosPoint(int APixel) const;
    // The pixel of an axis value, the other way round.
    double calcPosValue(double AValue) const;

private:
    ChartWidget* m_chart;
    Side m_side;
    QString m_title;
    int m_titleFontHeight = 13;
    QString m_labelFormat = QStringLiteral("#,##0.###");
};
