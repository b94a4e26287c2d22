#include "access/LinkAccessible.h"

#include "controls/MenuLink.h"

#include <QMenu>
#include <QTextDocumentFragment>

LinkAccessible::LinkAccessible(QWidget* ALink)
    : QAccessibleWidget(ALink, qobject_cast<MenuLink*>(ALink) ? QAccessible::ButtonMenu : QAccessible::Link)
{
}

QAccessibleInterface* LinkAccessible::create(const QString&, QObject* AObject)
{
    if (auto* link = qobject_cast<WebLink*>(AObject))
        return new LinkAccessible(link);
    return nullptr;
}

QString LinkAccessible::text(QAccessible::Text AText) const
{
    const QString own = QAccessibleWidget::text(AText);
    if (AText != QAccessible::Name || !own.isEmpty())
        return own;
    return QTextDocumentFragment::fromHtml(static_cast<const QLabel*>(widget())->text()).toPlainText();
}

QAccessible::State LinkAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (const auto* link = qobject_cast<const MenuLink*>(widget())) {
        const bool shown = link->menu() && link->menu()->isVisible();
        state.expandable = true;
        state.expanded = shown;
        state.collapsed = !shown;
    }
    return state;
}

QStringList LinkAccessible::actionNames() const
{
    if (role() == QAccessible::ButtonMenu)
        return {QAccessibleActionInterface::showMenuAction()};
    return QAccessibleWidget::actionNames();
}

void LinkAccessible::doAction(const QString& AAction)
{
    auto* link = qobject_cast<MenuLink*>(widget());
    if (link && AAction == QAccessibleActionInterface::showMenuAction())
        link->showMenu();
    else
        QAccessibleWidget::doAction(AAction);
}
