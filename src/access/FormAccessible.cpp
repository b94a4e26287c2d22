#include "access/FormAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

QAccessibleInterface* FormAccessible(const QString& AClassName, QObject* AObject)
{
    auto* widget = qobject_cast<QWidget*>(AObject);
    if (!widget)
        return nullptr;
    // Asked by the nearest class Qt knows: a widget of a kind of its own is asked again as QFrame or QWidget.
    // A page control's stack of pages holds its pages, nothing a user would name.
    if (AClassName == u"QFrame" || AClassName == u"QStackedWidget")
        return new QAccessibleWidget(widget, QAccessible::Pane);
    if (AClassName == u"QWidget" && widget->windowType() == Qt::Window)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}
