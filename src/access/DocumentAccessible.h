#pragma once

#include <QAccessibleWidget>
#include <vector>

class QTextEdit;

// A read-only text view (the help) as a screen reader reads a document: its text through the text
// interface, with the caret where the view has it, and its headings and links as children, so that they
// are heard as headings and links.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DocumentAccessible(QTextEdit* AView);
    ~DocumentAccessible() override;

    // For QAccessible::installFactory: the interface of every text browser.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);
    // Tells a screen reader what the view's cursor reached: a link it selected (by Tab), a heading it
    // stands at (where a link led), or, after those, the text again, whose caret moves the view tells by
    // itself. Called whenever the cursor moved, before the view tells of the move.
    static void cursorMoved(QTextEdit* AView);

    void* interface_cast(QAccessible::InterfaceType AType) override;
    QAccessible::Role role() const override { return QAccessible::Document; }
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int AIndex) const override;
    int indexOfChild(const QAccessibleInterface* AChild) const override;

    using QAccessibleWidget::text;
    void selection(int ASelection, int* AStart, int* AEnd) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int APosition) override;
    QString text(int AStart, int AEnd) const override;
    int characterCount() const override;
    QRect characterRect(int AOffset) const override;
    int offsetAtPoint(const QPoint& APoint) const override;
    void scrollToSubstring(int AStart, int AEnd) override;
    QString attributes(int AOffset, int* AStart, int* AEnd) const override;
    // Lines as they stand on screen, not paragraphs: a screen reader reads one line at a time.
    QString textBeforeOffset(int AOffset, QAccessible::TextBoundaryType AType, int* AStart,
                             int* AEnd) const override;
    QString textAfterOffset(int AOffset, QAccessible::TextBoundaryType AType, int* AStart,
                            int* AEnd) const override;
    QString textAtOffset(int AOffset, QAccessible::TextBoundaryType AType, int* AStart,
                         int* AEnd) const override;

private:
    QTextEdit* view() const;
    // The headings and links in reading order, found anew when the document changed.
    const std::vector<QAccessible::Id>& parts() const;
    void forgetParts() const;
    // The document's characters, one for each cursor position.
    QString plainText() const;

    // Where the line of AOffset starts and ends, its end after the paragraph mark of a paragraph's last.
    std::pair<int, int> lineAt(int AOffset) const;

    mutable std::vector<QAccessible::Id> m_parts;
    // A link or heading has the screen reader's focus, which must come back to the text for the caret's
    // moves to be read.
    bool m_partFocused = false;
    mutable int m_partsRevision = -1;
};
