#include "controls/WebLink.h"

#include <QFocusEvent>

void WebLink::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    // The label moves the focus onto its (only) link; moving past it is for the window to do.
    QLabel::focusNextPrevChild(true);
}

bool WebLink::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
