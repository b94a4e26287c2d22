#pragma once

#include <QPoint>

class QWidget;

// Whether a shown tool-tip window goes where it is moved. X11 moves any window. A Wayland compositor
// places a tool tip as a popup of its parent window, and moves a shown one only when asked with
// xdg_popup.reposition: Qt asks from 6.8 on, and the request exists from xdg_wm_base version 3 on.
bool ShownToolTipsMove();

// Moves the tool-tip window AToolTip to APosition (screen coordinates). Where a shown tool tip cannot move,
// it is shown anew at its new place, which never takes the focus or the pointer either.
void MoveToolTip(QWidget* AToolTip, const QPoint& APosition);
