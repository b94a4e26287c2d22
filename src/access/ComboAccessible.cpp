#include "access/ComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyleOptionComboBox>

ComboAccessible::ComboAccessible(QComboBox* AList) : TextAccessible(AList, QAccessible::ComboBox) {}

QAccessibleInterface* ComboAccessible::create(const QString& AClassName, QObject* AObject)
{
    auto* list = qobject_cast<QComboBox*>(AObject);
    if (AClassName != u"QComboBox" || !list || list->isEditable())
        return nullptr;
    return new ComboAccessible(list);
}

QComboBox* ComboAccessible::list() const
{
    return static_cast<QComboBox*>(widget());
}

QString ComboAccessible::text(QAccessible::Text AText) const
{
    const bool choice = AText == QAccessible::Name || AText == QAccessible::Value;
    return choice ? list()->currentText() : QAccessibleWidget::text(AText);
}

QAccessible::State ComboAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

QAccessibleInterface* ComboAccessible::child(int AIndex) const
{
    return AIndex == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int ComboAccessible::indexOfChild(const QAccessibleInterface* AChild) const
{
    return AChild && AChild->object() == list()->view() ? 0 : -1;
}

QString ComboAccessible::shownText() const
{
    return list()->currentText();
}

QRect ComboAccessible::lineStart() const
{
    QStyleOptionComboBox option;
    option.initFrom(list());
    const QRect field =
        list()->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list());
    const int height = QFontMetrics(list()->font()).height();
    return QRect(field.left(), field.center().y() - height / 2, 0, height);
}
