#include "platform/AnnouncementAccessible.h"

#include "platform/StatusAccessible.h"

#include <QStatusBar>
#include <QWindow>

AnnouncementAccessible::AnnouncementAccessible(QStatusBar* ABar) : m_bar(ABar) {}

void AnnouncementAccessible::announce(QStatusBar* ABar, const QString& AText)
{
    auto* bar = dynamic_cast<StatusAccessible*>(QAccessible::queryAccessibleInterface(ABar));
    if (!bar)
        return;
    QAccessibleInterface* announcement = bar->announcement();
    static_cast<AnnouncementAccessible*>(announcement)->m_message = AText;
    QAccessibleEvent event(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

QWindow* AnnouncementAccessible::window() const
{
    return m_bar ? m_bar->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AnnouncementAccessible::parent() const
{
    return m_bar ? QAccessible::queryAccessibleInterface(m_bar.data()) : nullptr;
}

QString AnnouncementAccessible::text(QAccessible::Text AText) const
{
    return AText == QAccessible::Name ? m_message : QString();
}

QRect AnnouncementAccessible::rect() const
{
    return m_bar ? QRect(m_bar->mapToGlobal(QPoint(0, 0)), m_bar->size()) : QRect();
}

QAccessible::State AnnouncementAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !m_bar || !m_bar->isVisible() || m_message.isEmpty();
    return state;
}
