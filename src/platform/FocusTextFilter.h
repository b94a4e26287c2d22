#pragma once

class QAccessibleEvent;
class QObject;
class QWidget;

// Holds back from a screen reader the text changes controls make while the keyboard focus is on its way
// to the next control, before that control's focus is announced. Qt's line edit clears its selection and
// the field rewrites its text as the focus leaves it, then the next field selects its text, all before
// the new focus is told: Orca said "Text unselected." or "Selection deleted." for the field just left and
// "$100 selected" before the next field's name. The focus announcement reads the new control as it stands.
void InstallFocusTextFilter();

// Whether AEvent goes on to the screen reader, with AAnnounced the control whose focus was announced
// last (none yet: everything goes on) and AFocus the control holding the keyboard focus now.
bool PassesFocusTextFilter(const QAccessibleEvent& AEvent, const QObject* AAnnounced, const QWidget* AFocus);
