#pragma once

#include <QAccessibleWidget>
#include <QStringList>
#include <QVector>

class ChartWidget;

// A chart as a screen reader finds it: one child per item it shows (ChartItems.h), then the controls that
// stand on it. The items take no focus, so the window's tab order is untouched.
class ChartAccessible : public QAccessibleWidget
{
public:
    explicit ChartAccessible(ChartWidget* AChart);
    ~ChartAccessible() override;

    // For QAccessible::installFactory: the interface of every ChartWidget.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);
    // Tells assistive technology which of AChart's items came, went or changed their figures since it
    // last heard. The owner calls it once its changes are done: the chart cannot tell when a burst of
    // them ends. Nothing happens while no assistive technology listens.
    static void announceChanges(ChartWidget* AChart);

    int childCount() const override;
    QAccessibleInterface* child(int AIndex) const override;
    int indexOfChild(const QAccessibleInterface* AChild) const override;

private:
    ChartWidget* chart() const;
    QAccessibleInterface* item(int AIndex) const;
    QStringList itemTexts() const;
    void announce();
    void retire(int AIndex);

    mutable QVector<QAccessible::Id> m_items; // registered item interfaces by index; 0 where none is made
    QStringList m_announced;
};
