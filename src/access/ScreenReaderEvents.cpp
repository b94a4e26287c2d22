#include "access/ScreenReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QObject> AnnouncedFocus;

void FilterEvent(QAccessibleEvent* AEvent);

// On to the screen reader, the way Qt sends an event when no handler is installed.
void Send(QAccessibleEvent* AEvent)
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(AEvent);
    QAccessible::installUpdateHandler(&FilterEvent);
}

void SendTextUpdate(QAccessibleTextUpdateEvent* AEvent)
{
    QAccessibleInterface* field = AEvent->accessibleInterface();
    if (!field)
        return Send(AEvent);
    const TTextChange change =
        NarrowTextChange({AEvent->changePosition(), AEvent->textRemoved(), AEvent->textInserted()});
    if (!change.Removed.isEmpty()) {
        QAccessibleTextRemoveEvent removed(field, change.Position, change.Removed);
        removed.setCursorPosition(AEvent->cursorPosition());
        Send(&removed);
    }
    if (!change.Inserted.isEmpty()) {
        QAccessibleTextInsertEvent inserted(field, change.Position, change.Inserted);
        inserted.setCursorPosition(AEvent->cursorPosition());
        Send(&inserted);
    }
}

void SendTableChange(QAccessibleEvent* AEvent)
{
    // The table's interface has already followed this change before the handler was called; sent on as
    // it is, it would follow it twice. A reset only empties its cache, however often it comes.
    QAccessibleInterface* table = AEvent->accessibleInterface();
    if (!table || !table->tableInterface())
        return Send(AEvent);
    QAccessibleTableModelChangeEvent reset(table, QAccessibleTableModelChangeEvent::ModelReset);
    Send(&reset);
}

void FilterEvent(QAccessibleEvent* AEvent)
{
    // A table cell's focus has no object of its own; its table keeps the focus.
    if (AEvent->type() == QAccessible::Focus && AEvent->object())
        AnnouncedFocus = AEvent->object();
    if (!PassesFocusTextFilter(*AEvent, AnnouncedFocus, QApplication::focusWidget()))
        return;
    if (AEvent->type() == QAccessible::TextUpdated)
        SendTextUpdate(static_cast<QAccessibleTextUpdateEvent*>(AEvent));
    else if (AEvent->type() == QAccessible::TableModelChanged)
        SendTableChange(AEvent);
    else
        Send(AEvent);
}

bool IsTextEvent(QAccessible::Event AType)
{
    switch (AType) {
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        return true;
    default:
        return false;
    }
}

} // namespace

void InstallScreenReaderEvents()
{
    QAccessible::installUpdateHandler(&FilterEvent);
}

bool PassesFocusTextFilter(const QAccessibleEvent& AEvent, const QObject* AAnnounced, const QWidget* AFocus)
{
    if (!IsTextEvent(AEvent.type()))
        return true;
    // A form fills and selects its fields before it shows them; that is not news to anyone.
    if (const auto* control = qobject_cast<const QWidget*>(AEvent.object()); control && !control->isVisible())
        return false;
    return !AAnnounced || AFocus == AAnnounced;
}

TTextChange NarrowTextChange(const TTextChange& AChange)
{
    const QString& before = AChange.Removed;
    const QString& after = AChange.Inserted;
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {AChange.Position + int(head), before.mid(head, before.size() - head - tail),
            after.mid(head, after.size() - head - tail)};
}
