#pragma once

#include <QString>

class ChartWidget;
struct TChartAxisSettings;

// One axis of a chart widget: its settings, kept in the chart's description, and, as laid out, its ends
// and the conversion between pixels of the chart and axis values. The x axis counts points: point i
// stands at value i.
class ChartAxis
{
public:
    enum class Side
    {
        Left,
        Bottom,
    };

    ChartAxis(ChartWidget* AChart, TChartAxisSettings& ASettings, Side ASide);

    void setTitle(const QString& ATitle);
    void setTitleFontHeight(int APixels);
    // A picture as FormatChartValue reads it, for the tick labels of a value axis.
    void setLabelFormat(const QString& AFormat);

    double minimum() const;
    double maximum() const;
    // The axis value at a pixel of the chart: x for the bottom axis, y for the left one.
    double calcPosPoint(int APixel) const;
    // The pixel of an axis value, the other way round.
    double calcPosValue(double AValue) const;

private:
    ChartWidget* m_chart;
    TChartAxisSettings& m_settings;
    Side m_side;
};
