#pragma once

#include "access/LeafAccessible.h"

#include <QPointer>

class ChartWidget;

// One item of a chart as a screen reader finds it (ChartItems.h): its figures as its name and its place
// on screen, read from the chart's layout whenever asked, so both follow every change. Not focusable.
class ChartItemAccessible : public LeafAccessible
{
public:
    ChartItemAccessible(ChartWidget* AChart, int AIndex);

    const ChartWidget* chart() const { return m_chart; }
    int index() const { return m_index; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text AText) const override;
    QRect rect() const override;
    // A drawn part of the picture, not a text: screen readers that split texts into words step over a
    // graphic as one item, so a year or a slice is heard whole.
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    QPointer<ChartWidget> m_chart;
    int m_index;
};
