#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class ChartWidget;

// One item of a chart as a screen reader finds it (ChartItems.h): its figures as its name and its place
// on screen, read from the chart's layout whenever asked, so both follow every change. Not focusable.
class ChartItemAccessible : public QAccessibleInterface
{
public:
    ChartItemAccessible(ChartWidget* AChart, int AIndex);

    const ChartWidget* chart() const { return m_chart; }
    int index() const { return m_index; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text AText) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    // A drawn part of the picture, not a text: screen readers that split texts into words step over a
    // graphic as one item, so a year or a slice is heard whole.
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    QPointer<ChartWidget> m_chart;
    int m_index;
};
