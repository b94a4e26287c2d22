#pragma once

#include "access/TextAccessible.h"

class Edit;

// An Edit as a screen reader hears it: its label's name, its text with the selection and the caret. It
// offers no editing through the screen reader's text interface, which would pass the field's own rules by.
class EditAccessible : public TextAccessible
{
public:
    explicit EditAccessible(Edit* AEdit);

    // For QAccessible::installFactory: the interface of every Edit.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    QString text(QAccessible::Text AText) const override;
    QAccessible::State state() const override;

    void selection(int ASelection, int* AStart, int* AEnd) const override;
    int selectionCount() const override;
    int cursorPosition() const override;

protected:
    QString shownText() const override;
    QRect lineStart() const override;

private:
    Edit* edit() const;
};
