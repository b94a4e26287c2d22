#pragma once

#include "charts/ChartSeries.h"

// Value marks of a bar series: a rounded box with the value, joined to its bar by a callout arrow.
struct BarMarks
{
    bool visible = false;
    int arrowLength = 8;
    bool onTop = false;
    QColor arrowColor = Qt::black;
    QColor backColor = Qt::white;
    bool symbolVisible = false;
    bool bevel = false; // a raised edge inside the box
    QColor shadowColor; // invalid: no shadow
};

// Bars of one quantity, one point per x; series of the same stack group stack in list order, and the
// groups stand side by side at each x.
class BarSeries : public ChartSeries
{
public:
    using ChartSeries::ChartSeries;

    int stackGroup() const { return m_stackGroup; }
    void setStackGroup(int group);
    const BarMarks& marks() const { return m_marks; }
    void setMarks(const BarMarks& marks);
    void setMarksVisible(bool visible);
    void setMarksArrowLength(int length);
    void setMarksOnTop(bool onTop);

private:
    int m_stackGroup = 0;
    BarMarks m_marks;
};
