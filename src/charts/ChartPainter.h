#pragma once

class QPainter;
class QPalette;
struct TChartDescription;
struct TChartLayout;

// Paints a chart from its description and layout, back to front: what a later layer draws covers an
// earlier one. The palette gives the texts' colour and the legend title's bevel.
enum class TChartLayer
{
    Plot,
    Grid,
    Bars,
    Axes,
    Legend,
    Marks,
};

void PaintChart(QPainter& APainter, const TChartDescription& AChart, const TChartLayout& ALayout,
                const QPalette& APalette);
