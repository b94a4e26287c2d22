#include "controls/FigureLabel.h"

#include <QAccessible>

void FigureLabel::announceChange()
{
    if (!QAccessible::isActive() || text() == m_announced)
        return;
    m_announced = text();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
