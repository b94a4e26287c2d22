#pragma once

#include <QRectF>
#include <QString>

struct TChartDescription;
struct TChartLayout;

// A chart's items as a screen reader reads them: one per x position of a bar graph, one per slice of a
// pie. All are read from the chart's one layout, so they always match what is drawn.
int ChartItemCount(const TChartLayout& ALayout);

// The figures of an item, each value as the value axis or the pie's marks show it. A bar graph's x
// position: its name, then each stack group's series and their sum, the groups apart by "; " and
// introduced by their headings ("Year 5: initial deposit $1,000, regular deposits $500, total interest
// $329, total $1,829"). A slice: "Regular Deposits $1,000, 35 %". Empty for an index out of range.
QString ChartItemText(const TChartDescription& AChart, const TChartLayout& ALayout, int AItem);

// The item's area in the chart's pixels: its x position's column across the plot, or the bounds of the
// slice on the pie's face; empty for an index out of range.
QRectF ChartItemRect(const TChartLayout& ALayout, int AItem);

// A share as a listener hears it: whole percent, "35 %"; a sliver that would read as 0 is "less than 1 %".
QString PercentText(double APercent);
