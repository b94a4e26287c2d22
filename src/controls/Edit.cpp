#include "controls/Edit.h"

#include "rules/EditRules.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

#include <memory>

namespace {

enum class TKeyRoute
{
    Typed,      // the characters of the key go to keyPress()
    Backspace,  // keyPress() with the character 8
    Delete,     // deletePressed()
    Navigation, // the line edit moves the caret or the selection, or applies an Insert key
    Consumed,   // nothing happens
    Ignored,    // not the edit's key: left to the window
};

bool IsLineEditKey(const QKeyEvent* AEvent)
{
    switch (AEvent->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    case Qt::Key_Insert: {
        // Insert keeps its usual meaning: Shift+Insert pastes and Ctrl+Insert copies, as an edit does.
        const Qt::KeyboardModifiers modifiers = AEvent->modifiers() & ~Qt::KeypadModifier;
        return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier || modifiers == Qt::ControlModifier;
    }
    default:
        return false;
    }
}

// Only caret movement, selection and the Insert keys ever reach the line edit, so its other cut, copy,
// paste and undo bindings (Ctrl+V, Ctrl+X, the keyboard's own Paste key ...) never run, whatever the platform
// binds them to.
TKeyRoute RouteOf(const QKeyEvent* AEvent)
{
    const Qt::KeyboardModifiers modifiers = AEvent->modifiers() & ~Qt::KeypadModifier;
    const bool command = modifiers & (Qt::ControlModifier | Qt::MetaModifier);
    // Shift+Delete would cut and Ctrl+Delete delete a word; both act as a plain Delete.
    if (AEvent->key() == Qt::Key_Delete)
        return TKeyRoute::Delete;
    // Ctrl+Backspace would delete a word behind the rules' back.
    if (AEvent->key() == Qt::Key_Backspace)
        return command || (modifiers & Qt::AltModifier) ? TKeyRoute::Consumed : TKeyRoute::Backspace;
    if (IsLineEditKey(AEvent))
        return TKeyRoute::Navigation;
    // Enter and Escape carry a character, but they answer the window: a dialog's default button, Cancel.
    if (AEvent->key() == Qt::Key_Return || AEvent->key() == Qt::Key_Enter || AEvent->key() == Qt::Key_Escape)
        return TKeyRoute::Ignored;
    // Ctrl+letters are commands (select all, delete line ...); Ctrl+Alt is AltGr on some keyboards.
    if (command && !(modifiers & Qt::AltModifier))
        return TKeyRoute::Consumed;
    if (!AEvent->text().isEmpty())
        return TKeyRoute::Typed;
    return TKeyRoute::Ignored;
}

// Where the platform names shortcuts in context menus, the line edit's menu would name Ctrl+X, Ctrl+C,
// Ctrl+V, Ctrl+Z and Ctrl+A, which this edit discards.
void HideShortcuts(QMenu* AMenu)
{
    for (QAction* action : AMenu->actions())
        action->setText(action->text().section(u'\t', 0, 0));
}

} // namespace

Edit::Edit(QWidget* parent) : QLineEdit(parent)
{
    // A drop would put text in as unchecked as a paste, without the user asking for a paste.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &Edit::textWasChanged);
}

int Edit::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int Edit::SelLength() const
{
    return hasSelectedText() ? selectionLength() : 0;
}

TEditState Edit::editState() const
{
    return {text(), SelStart(), SelLength()};
}

bool Edit::applyEdit(const std::optional<TEditResult>& AEdit)
{
    if (!AEdit)
        return false;
    setText(AEdit->Text);
    setCursorPosition(AEdit->Caret);
    return true;
}

void Edit::textWasChanged(const QString& text)
{
    // Guarded so that a text set back to what it was, or set before the handlers were connected, is judged
    // against what the change handler last saw.
    if (text == m_lastText)
        return;
    m_lastText = text;
    Q_EMIT change();
}

void Edit::typeText(const QString& AText)
{
    for (const QChar key : AText)
        Q_EMIT keyPress(this, key);
}

void Edit::keyPressEvent(QKeyEvent* event)
{
    switch (RouteOf(event)) {
    case TKeyRoute::Typed:
        typeText(event->text());
        break;
    case TKeyRoute::Backspace:
        Q_EMIT keyPress(this, QChar(u'\b'));
        break;
    case TKeyRoute::Delete:
        Q_EMIT deletePressed(this);
        break;
    case TKeyRoute::Navigation:
        QLineEdit::keyPressEvent(event);
        return;
    case TKeyRoute::Consumed:
        break;
    case TKeyRoute::Ignored:
        event->ignore();
        return;
    }
    event->accept();
}

void Edit::inputMethodEvent(QInputMethodEvent* event)
{
    // Only what the input method commits counts, as typed characters. Its preview is not shown: the line
    // edit would first remove the selection for it, behind the rules' back.
    typeText(event->commitString());
    event->accept();
}

void Edit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        Q_EMIT exit(this);
}

void Edit::contextMenuEvent(QContextMenuEvent* event)
{
    // Run to its end here and deleted only then: a paste from it recalculates, and a recalculation lets
    // pending events run, among them the deletion a self-deleting menu would have asked for while its
    // action is still at work.
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    HideShortcuts(menu.get());
    menu->exec(event->globalPos());
}
