#include "access/MenuItemAccessible.h"

#include <QWindow>

MenuItemAccessible::MenuItemAccessible(QMenu* AMenu, QAction* AAction) : m_menu(AMenu), m_action(AAction) {}

QAccessibleInterface* MenuItemAccessible::create(const QString&, QObject* AObject)
{
    auto* action = qobject_cast<QAction*>(AObject);
    if (!action)
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return new MenuItemAccessible(menu, action);
    return nullptr;
}

QObject* MenuItemAccessible::object() const
{
    return m_action;
}

QWindow* MenuItemAccessible::window() const
{
    return m_menu ? m_menu->windowHandle() : nullptr;
}

QAccessibleInterface* MenuItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menu);
}

QString MenuItemAccessible::text(QAccessible::Text AText) const
{
    if (AText == QAccessible::Name)
        return m_action->iconText();
    if (AText == QAccessible::Accelerator)
        return m_action->shortcut().toString(QKeySequence::NativeText);
    return {};
}

QRect MenuItemAccessible::rect() const
{
    return m_menu->actionGeometry(m_action).translated(m_menu->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role MenuItemAccessible::role() const
{
    return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !m_menu->isVisible() || !m_action->isVisible();
    state.focusable = !m_action->isSeparator();
    state.focused = m_menu->activeAction() == m_action;
    state.disabled = m_action->isSeparator() || !m_action->isEnabled();
    state.checkable = m_action->isCheckable();
    state.checked = m_action->isChecked();
    return state;
}

void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType AType)
{
    return AType == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList MenuItemAccessible::actionNames() const
{
    if (m_action->isSeparator() || !m_action->isEnabled())
        return {};
    return {pressAction()};
}

void MenuItemAccessible::doAction(const QString& AAction)
{
    if (AAction != pressAction() || !m_action->isEnabled())
        return;
    m_menu->hide();
    m_action->trigger();
}

// Joined with ";" into the AT-SPI key binding "mnemonic;key path;accelerator": the shortcut is the third.
QStringList MenuItemAccessible::keyBindingsForAction(const QString& AAction) const
{
    const QString shortcut = m_action->shortcut().toString(QKeySequence::NativeText);
    if (AAction != pressAction() || shortcut.isEmpty())
        return {};
    return {QString(), QString(), shortcut};
}
