#include "access/StatusAccessible.h"

#include "access/AnnouncementAccessible.h"

#include <QStatusBar>

StatusAccessible::StatusAccessible(QStatusBar* ABar)
    : QAccessibleWidget(ABar, QAccessible::StatusBar),
      m_announcement(QAccessible::registerAccessibleInterface(new AnnouncementAccessible(ABar)))
{
}

StatusAccessible::~StatusAccessible()
{
    QAccessible::deleteAccessibleInterface(m_announcement);
}

QAccessibleInterface* StatusAccessible::create(const QString&, QObject* AObject)
{
    if (auto* bar = qobject_cast<QStatusBar*>(AObject))
        return new StatusAccessible(bar);
    return nullptr;
}

QAccessibleInterface* StatusAccessible::announcement() const
{
    return QAccessible::accessibleInterface(m_announcement);
}

int StatusAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + 1;
}

QAccessibleInterface* StatusAccessible::child(int AIndex) const
{
    const int controls = QAccessibleWidget::childCount();
    return AIndex == controls ? announcement() : QAccessibleWidget::child(AIndex);
}

int StatusAccessible::indexOfChild(const QAccessibleInterface* AChild) const
{
    return AChild == announcement() ? QAccessibleWidget::childCount()
                                    : QAccessibleWidget::indexOfChild(AChild);
}
