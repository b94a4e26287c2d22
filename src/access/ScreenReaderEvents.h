#pragma once

#include <QString>

class QAccessibleEvent;
class QObject;
class QWidget;

// Sets the events Qt sends a screen reader straight where they would mislead it:
// - Text changes made while the keyboard focus is on its way to the next control, before that control's
//   focus is announced, are held back. Qt's line edit clears its selection and the field rewrites its
//   text as the focus leaves it, then the next field selects its text, all before the new focus is told:
//   Orca said "Text unselected." or "Selection deleted." for the field just left and "$100 selected"
//   before the next field's name. The focus announcement reads the new control as it stands.
// - Text changes of a control not on screen are held back: a dialog fills and selects its fields before
//   it shows, and Orca read "$2,887 selected" ahead of the dialog's name.
// - A field's text set anew is told as the part that changed. The fields rewrite their whole text on
//   every key, which Qt tells as the whole text removed and the new one inserted, so Orca echoed
//   Backspace in "25" as "25" rather than "5".
void InstallScreenReaderEvents();

// Whether AEvent goes on to the screen reader, with AAnnounced the control whose focus was announced
// last (none yet: everything goes on) and AFocus the control holding the keyboard focus now.
bool PassesFocusTextFilter(const QAccessibleEvent& AEvent, const QObject* AAnnounced, const QWidget* AFocus);

// The part that changed when AChange.Removed, at AChange.Position, became AChange.Inserted.
struct TTextChange
{
    int Position = 0;
    QString Removed;
    QString Inserted;
};
TTextChange NarrowTextChange(const TTextChange& AChange);
