#include "controls/MenuLink.h"

#include <QMenu>

MenuLink::MenuLink(QWidget* parent) : CommandLink(parent)
{
    connect(this, &QLabel::linkActivated, this, &MenuLink::showMenu);
}

void MenuLink::showMenu()
{
    if (!m_menu)
        return;
    // QMenu moves itself up when the screen ends below the link.
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}
