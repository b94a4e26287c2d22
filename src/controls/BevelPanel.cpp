#include "controls/BevelPanel.h"

#include <QPainter>

void BevelPanel::setBottomBevel(int width)
{
    m_bottomBevel = std::max(width, 0);
    setContentsMargins(0, 0, 0, m_bottomBevel);
    update();
}

void BevelPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_bottomBevel == 0)
        return;
    // A groove: the shadow line above the light one.
    QPainter painter(this);
    const int top = height() - m_bottomBevel;
    const int shadow = m_bottomBevel / 2;
    painter.fillRect(0, top, width(), shadow, palette().color(QPalette::Dark));
    painter.fillRect(0, top + shadow, width(), m_bottomBevel - shadow, palette().color(QPalette::Light));
}
