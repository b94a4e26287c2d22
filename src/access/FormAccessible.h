#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// For QAccessible::installFactory: a program window read as the one frame of its controls, named by its
// title and active while it has the focus, and a framed panel inside it read as a panel. A screen reader
// takes the nearest frame above the focused control for the window the user is in and stays silent while
// that frame is not active; Qt would read every QFrame as a frame of its own, and a page control's stack
// of pages as a layered pane that Orca names on every visit.
QAccessibleInterface* FormAccessible(const QString& AClassName, QObject* AObject);
