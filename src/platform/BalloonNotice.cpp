#include "platform/BalloonNotice.h"

#include "platform/AlertAccessible.h"

BalloonNotice::BalloonNotice(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("BalloonHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMargin(8);
    setFrameShape(QFrame::Box);
}

void BalloonNotice::showAt(const QPoint& AGlobalPos, const QString& ATitle)
{
    setText(ATitle);
    adjustSize();
    move(AGlobalPos);
    show();
    AlertAccessible::announceShown(this);
}

void BalloonNotice::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    hide();
}
