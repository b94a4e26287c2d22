#pragma once

#include <QAccessibleWidget>

// A FigureLabel as a screen reader hears it: its figure, labelled by the caption beside it (the caption's
// buddy), so that reading the row gives "Total savings: $2,887" once, not the caption twice.
class FigureAccessible : public QAccessibleWidget
{
public:
    explicit FigureAccessible(QWidget* ALabel);

    // For QAccessible::installFactory: the interface of every FigureLabel.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    QString text(QAccessible::Text AText) const override;
};
