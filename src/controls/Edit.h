#pragma once

#include <QLineEdit>
#include <optional>

struct TEditResult;
struct TEditState;

// A single-line edit whose change() runs at once whenever its text really changes, typed or written from
// code; writing the text it already holds runs nothing.
//
// Typing goes to the key handlers, never into the text directly: every typed character (Backspace as the
// character 8, input-method commits too) arrives as keyPress() and the Delete key, with or without Shift or
// Ctrl, as deletePressed(); the handlers write whatever text they accept. Moving the caret, selecting and
// the Insert keys (Shift+Insert pastes, Ctrl+Insert copies) keep the line edit's behaviour; the other cut,
// copy, paste and undo shortcuts and every other control key do nothing. The context menu stays the line
// edit's own, without the shortcuts it discards.
class Edit : public QLineEdit
{
    Q_OBJECT

public:
    explicit Edit(QWidget* parent = nullptr);

    // The caret, or the start of the selection when there is one, and the number of selected characters.
    int SelStart() const;
    int SelLength() const;

    // The field as its edit rule sees it when a key arrives: the text, the caret and the selection.
    TEditState editState() const;
    // Carries out an edit the rule accepted: the text is written, which runs change() at once, and the caret
    // placed after. Nothing happens, and false comes back, when the rule refused the key.
    bool applyEdit(const std::optional<TEditResult>& AEdit);

Q_SIGNALS:
    void change();
    void keyPress(Edit* ASender, QChar AKey);
    void deletePressed(Edit* ASender);
    // The focus moved to another control; not a context menu opening, nor the window losing the focus.
    void exit(Edit* ASender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void textWasChanged(const QString& text);
    void typeText(const QString& AText);

    QString m_lastText;
};
