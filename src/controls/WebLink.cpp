#include "controls/WebLink.h"

#include <QFocusEvent>

void WebLink::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    // Coming back to the window finds the link still focused: a step now would leave it for the next control.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    // The label moves the focus onto its (only) link; moving past it is for the window to do.
    QLabel::focusNextPrevChild(true);
}

bool WebLink::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
