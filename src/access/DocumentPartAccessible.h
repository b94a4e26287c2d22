#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QTextEdit;

// A link or a heading of a document shown in a text view, as a screen reader finds it among the
// document's children: its text as its name, its place on screen. A link is focusable, and focused while
// the view has it selected by Tab.
class DocumentPartAccessible : public QAccessibleInterface
{
public:
    DocumentPartAccessible(QTextEdit* AView, QAccessible::Role ARole, int AStart, int AEnd,
                           const QString& AText);

    int start() const { return m_start; }
    int end() const { return m_end; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text AText) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override;

private:
    QPointer<QTextEdit> m_view;
    QAccessible::Role m_role;
    int m_start;
    int m_end;
    QString m_text;
};
