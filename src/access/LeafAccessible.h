#pragma once

#include <QAccessibleInterface>

// A part a screen reader finds with no parts of its own and a text it cannot change: what every such
// interface answers alike, so that each says only what is its own.
class LeafAccessible : public QAccessibleInterface
{
public:
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
};
