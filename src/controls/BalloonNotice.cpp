#include "controls/BalloonNotice.h"

#include "controls/ControlAnnouncements.h"
#include "controls/ToolTipMover.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

BalloonNotice::BalloonNotice(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_hideTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("BalloonHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMargin(8);
    setFrameShape(QFrame::Box);
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(ShownMilliseconds);
    connect(m_hideTimer, &QTimer::timeout, this, &BalloonNotice::hide);
}

void BalloonNotice::showAt(const QPoint& AGlobalPos, const QString& ATitle)
{
    setText(ATitle);
    adjustSize();
    // A notice that is already up elsewhere and cannot move there is shown anew, as the new notice it is.
    if (isVisible() && pos() != AGlobalPos && !ShownToolTipsMove())
        hide();
    move(AGlobalPos);
    show();
    if (ControlAnnouncements().NoticeShown)
        ControlAnnouncements().NoticeShown(this);
    m_hideTimer->start();
}

void BalloonNotice::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    // Watched only while shown, so the program pays nothing for it the rest of the time.
    qApp->installEventFilter(this);
}

void BalloonNotice::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    m_hideTimer->stop();
    QLabel::hideEvent(event);
}

bool BalloonNotice::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        hide();
        break;
    case QEvent::ApplicationStateChange:
        // Another program took the focus; a list of this window opening and closing is not that.
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            hide();
        break;
    case QEvent::Move:
    case QEvent::Hide:
        if (watched == parentWidget()->window())
            hide();
        break;
    default:
        break;
    }
    return false;
}
