#include "access/EditAccessible.h"

#include "controls/Edit.h"

#include <QFontMetrics>

EditAccessible::EditAccessible(Edit* AEdit) : TextAccessible(AEdit, QAccessible::EditableText) {}

QAccessibleInterface* EditAccessible::create(const QString&, QObject* AObject)
{
    if (auto* edit = qobject_cast<Edit*>(AObject))
        return new EditAccessible(edit);
    return nullptr;
}

Edit* EditAccessible::edit() const
{
    return static_cast<Edit*>(widget());
}

QString EditAccessible::text(QAccessible::Text AText) const
{
    return AText == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(AText);
}

QAccessible::State EditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // A disabled field takes no typing either: Orca then calls it read only, having no word for a
    // disabled field.
    state.editable = edit()->isEnabled() && !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void EditAccessible::selection(int ASelection, int* AStart, int* AEnd) const
{
    const bool selected = ASelection == 0 && edit()->hasSelectedText();
    *AStart = selected ? edit()->selectionStart() : 0;
    *AEnd = selected ? edit()->selectionEnd() : 0;
}

int EditAccessible::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

int EditAccessible::cursorPosition() const
{
    return edit()->cursorPosition();
}

QString EditAccessible::shownText() const
{
    return edit()->text();
}

QRect EditAccessible::lineStart() const
{
    // Measured back from the caret, which knows the edit's margins, alignment and scrolling.
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(edit()->font());
    const int left =
        caret.center().x() - metrics.horizontalAdvance(edit()->text().left(edit()->cursorPosition()));
    return QRect(left, caret.top(), 0, caret.height());
}
