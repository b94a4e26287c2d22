#include "access/LinkAccessible.h"

#include "controls/MenuLink.h"

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
