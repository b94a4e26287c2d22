#include "access/FigureAccessible.h"

#include "controls/FigureLabel.h"

FigureAccessible::FigureAccessible(QWidget* ALabel) : QAccessibleWidget(ALabel, QAccessible::StaticText) {}

QAccessibleInterface* FigureAccessible::create(const QString&, QObject* AObject)
{
    if (auto* label = qobject_cast<FigureLabel*>(AObject))
        return new FigureAccessible(label);
    return nullptr;
}

QString FigureAccessible::text(QAccessible::Text AText) const
{
    const QString figure = static_cast<const QLabel*>(widget())->text();
    return AText == QAccessible::Name && !figure.isEmpty() ? figure : QAccessibleWidget::text(AText);
}
