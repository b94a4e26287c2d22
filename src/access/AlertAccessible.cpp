#include "access/AlertAccessible.h"

#include "access/AnnouncementAccessible.h"
#include "controls/BalloonNotice.h"

AlertAccessible::AlertAccessible(QWidget* ANotice) : QAccessibleWidget(ANotice, QAccessible::AlertMessage) {}

QAccessibleInterface* AlertAccessible::create(const QString&, QObject* AObject)
{
    if (auto* notice = qobject_cast<BalloonNotice*>(AObject))
        return new AlertAccessible(notice);
    return nullptr;
}

void AlertAccessible::announceShown(QWidget* ANotice)
{
    for (QAccessible::Event type : {QAccessible::ObjectShow, QAccessible::Alert}) {
        QAccessibleEvent event(ANotice, type);
        QAccessible::updateAccessibility(&event);
    }
    // Orca speaks an alert only when it takes the focus, which the notice never does.
    AnnouncementAccessible::announceFrom(
        ANotice, QAccessible::queryAccessibleInterface(ANotice)->text(QAccessible::Name));
}

QString AlertAccessible::text(QAccessible::Text AText) const
{
    const QString own = QAccessibleWidget::text(AText);
    if (AText != QAccessible::Name || !own.isEmpty())
        return own;
    // One spoken sentence after another, not the line break the balloon wraps at.
    return static_cast<const QLabel*>(widget())->text().simplified();
}
