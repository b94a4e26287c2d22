#pragma once

#include "access/LeafAccessible.h"

#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>

// A command of a menu as a screen reader hears it: its name and its shortcut. Qt's own menu items give the
// shortcut in a form Orca takes for a full key path and never speaks; here it comes as the accelerator.
class MenuItemAccessible : public LeafAccessible, public QAccessibleActionInterface
{
public:
    MenuItemAccessible(QMenu* AMenu, QAction* AAction);

    // For QAccessible::installFactory: the interface of every action shown in a menu.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    bool isValid() const override { return m_menu && m_action; }
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text AText) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType AType) override;

    QStringList actionNames() const override;
    void doAction(const QString& AAction) override;
    QStringList keyBindingsForAction(const QString& AAction) const override;

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};
