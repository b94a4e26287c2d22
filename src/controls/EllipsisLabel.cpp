#include "controls/EllipsisLabel.h"

#include <QPainter>
#include <QStyle>

QSize EllipsisLabel::minimumSizeHint() const
{
    // Any width will do: the text gives way with an ellipsis.
    return {0, QLabel::minimumSizeHint().height()};
}

void EllipsisLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}
