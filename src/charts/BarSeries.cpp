#include "charts/BarSeries.h"

void BarSeries::setStackGroup(int group)
{
    m_stackGroup = group;
    changed();
}

void BarSeries::setMarks(const BarMarks& marks)
{
    m_marks = marks;
    changed();
}

void BarSeries::setMarksVisible(bool visible)
{
    m_marks.visible = visible;
    changed();
}

void BarSeries::setMarksArrowLength(int length)
{
    m_marks.arrowLength = length;
    changed();
}

void BarSeries::setMarksOnTop(bool onTop)
{
    m_marks.onTop = onTop;
    changed();
}
