#pragma once

#include <QAccessibleWidget>

// A FigureLabel as a screen reader hears it: its caption and its figure together, "Total savings: $2,887".
class FigureAccessible : public QAccessibleWidget
{
public:
    explicit FigureAccessible(QWidget* ALabel);

    // For QAccessible::installFactory: the interface of every FigureLabel.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    QString text(QAccessible::Text AText) const override;
};
