#include "access/AnnouncementAccessible.h"

#include "access/StatusAccessible.h"

#include <QStatusBar>
#include <QTimer>
#include <QWindow>

AnnouncementAccessible::AnnouncementAccessible(QStatusBar* ABar) : m_bar(ABar) {}

void AnnouncementAccessible::announce(QStatusBar* ABar, const QString& AText)
{
    auto* bar = dynamic_cast<StatusAccessible*>(QAccessible::queryAccessibleInterface(ABar));
    if (!bar)
        return;
    auto* announcement = static_cast<AnnouncementAccessible*>(bar->announcement());
    if (announcement->m_joining) {
        const bool sentence = announcement->m_message.endsWith(u'.');
        announcement->m_message += (sentence ? QStringLiteral(" ") : QStringLiteral(". ")) + AText;
        return;
    }
    announcement->m_message = AText;
    announcement->m_joining = true;
    // Until control returns to the event loop, which is when a screen reader's question can be answered.
    QTimer::singleShot(0, ABar, [ABar] {
        if (auto* bar = dynamic_cast<StatusAccessible*>(QAccessible::queryAccessibleInterface(ABar)))
            static_cast<AnnouncementAccessible*>(bar->announcement())->m_joining = false;
    });
    QAccessibleEvent event(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

void AnnouncementAccessible::announceFrom(QWidget* AControl, const QString& AText)
{
    for (QWidget* widget = AControl; widget; widget = widget->parentWidget())
        if (auto* bar = widget->window()->findChild<QStatusBar*>())
            return announce(bar, AText);
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
