#pragma once

#include <QAccessibleWidget>

// A control showing one line of text, read through the text interface, the way a screen reader reads a
// field's value or a list's choice. The whole line is one run without attributes: Qt's own line edit
// reports an empty run at every offset, and Orca, joining the runs, drops the last character ("$1,00").
// Nothing is selected and the caret stands at the start unless a subclass says otherwise.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    TextAccessible(QWidget* AControl, QAccessible::Role ARole);

    void* interface_cast(QAccessible::InterfaceType AType) override;
    using QAccessibleWidget::text;

    void selection(int ASelection, int* AStart, int* AEnd) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int AStart, int AEnd) const override;
    int characterCount() const override { return int(shownText().size()); }
    QRect characterRect(int AOffset) const override;
    int offsetAtPoint(const QPoint& APoint) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int AOffset, int* AStart, int* AEnd) const override;

protected:
    virtual QString shownText() const = 0;
    // Where the first character stands, in the control's coordinates: its left edge, and the line's
    // top and height.
    virtual QRect lineStart() const = 0;
};
