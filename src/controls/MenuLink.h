#pragma once

#include "controls/CommandLink.h"

class QMenu;

// A link that opens a menu of commands, as a menu button does: Enter, Space or a click pops the menu up
// beside it, below where the screen has room, else above.
class MenuLink : public CommandLink
{
    Q_OBJECT

public:
    explicit MenuLink(QWidget* parent = nullptr);

    QMenu* menu() const { return m_menu; }
    void setMenu(QMenu* AMenu) { m_menu = AMenu; }
    void showMenu();

private:
    QMenu* m_menu = nullptr;
};
