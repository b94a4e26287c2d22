#pragma once

class ChartWidget;
class QPainter;
struct TChartLayout;

// Paints a chart from its layout, back to front: what a later layer draws covers an earlier one.
enum class TChartLayer
{
    Plot,
    Grid,
    Bars,
    Axes,
    Legend,
    Marks,
};

void PaintChart(QPainter& APainter, const ChartWidget& AChart, const TChartLayout& ALayout);
