#include "controls/CommandLink.h"

#include <QKeyEvent>

void CommandLink::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        WebLink::keyPressEvent(event);
        return;
    }
    // The label holds one link; Space stands for Enter on it.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    WebLink::keyPressEvent(&enter);
    event->setAccepted(enter.isAccepted());
}
