#pragma once

#include "access/LeafAccessible.h"

#include <QPointer>

class QTextEdit;

// A link or a heading of a document shown in a text view, as a screen reader finds it among the
// document's children: its text as its name, its place on screen. A link is focusable, and focused while
// the view has it selected by Tab.
class DocumentPartAccessible : public LeafAccessible
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
    QString text(QAccessible::Text AText) const override;
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
