#include "platform/FocusTextFilter.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QObject> AnnouncedFocus;

void FilterEvent(QAccessibleEvent* AEvent);

// On to the screen reader, the way Qt sends an event when no handler is installed.
void SendOn(QAccessibleEvent* AEvent)
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessibleInterface* table =
        AEvent->type() == QAccessible::TableModelChanged ? AEvent->accessibleInterface() : nullptr;
    if (table && table->tableInterface()) {
        // The table's interface has already followed this change before the handler was called; sent on
        // as it is, it would follow it twice. A reset only empties its cache, however often it comes.
        QAccessibleTableModelChangeEvent reset(table, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    } else {
        QAccessible::updateAccessibility(AEvent);
    }
    QAccessible::installUpdateHandler(&FilterEvent);
}

void FilterEvent(QAccessibleEvent* AEvent)
{
    // A table cell's focus has no object of its own; its table keeps the focus.
    if (AEvent->type() == QAccessible::Focus && AEvent->object())
        AnnouncedFocus = AEvent->object();
    if (PassesFocusTextFilter(*AEvent, AnnouncedFocus, QApplication::focusWidget()))
        SendOn(AEvent);
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

void InstallFocusTextFilter()
{
    QAccessible::installUpdateHandler(&FilterEvent);
}

bool PassesFocusTextFilter(const QAccessibleEvent& AEvent, const QObject* AAnnounced, const QWidget* AFocus)
{
    return !IsTextEvent(AEvent.type()) || !AAnnounced || AFocus == AAnnounced;
}
