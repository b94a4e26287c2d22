#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The words a screen reader uses for a bar graph's items where the chart's own texts are not what a
// listener needs. By default an x position is called by its label and each series by its legend title.
struct TChartWording
{
    // An x position's name; "%1" stands for its label, as in "Year %1".
    QString PointName = QStringLiteral("%1");
    // What each bar series is called, in list order; a missing or empty entry leaves its legend title.
    QStringList SeriesNames;
    // Said before the figures of a stack group, asked anew each time; nothing where empty.
    std::function<QString(int AGroup)> GroupHeading;
    // Said before the sum of a stack.
    QString TotalName = QStringLiteral("total");
};
