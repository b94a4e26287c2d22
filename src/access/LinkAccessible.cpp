#include "access/LinkAccessible.h"

#include "controls/WebLink.h"

#include <QTextDocumentFragment>

LinkAccessible::LinkAccessible(QWidget* ALink) : QAccessibleWidget(ALink, QAccessible::Link) {}

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
