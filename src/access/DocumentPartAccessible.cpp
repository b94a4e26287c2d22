#include "access/DocumentPartAccessible.h"

#include <QTextEdit>
#include <QWindow>

DocumentPartAccessible::DocumentPartAccessible(QTextEdit* AView, QAccessible::Role ARole, int AStart,
                                               int AEnd, const QString& AText)
    : m_view(AView), m_role(ARole), m_start(AStart), m_end(AEnd), m_text(AText)
{
}

bool DocumentPartAccessible::isValid() const
{
    return m_view;
}

QWindow* DocumentPartAccessible::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface* DocumentPartAccessible::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
}

QString DocumentPartAccessible::text(QAccessible::Text AText) const
{
    return AText == QAccessible::Name ? m_text : QString();
}

QRect DocumentPartAccessible::rect() const
{
    if (!m_view)
        return QRect();
    QTextCursor cursor(m_view->document());
    cursor.setPosition(m_start);
    QRect area = m_view->cursorRect(cursor);
    cursor.setPosition(m_end);
    area = area.united(m_view->cursorRect(cursor));
    return area.translated(m_view->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State DocumentPartAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    if (m_role != QAccessible::Link || !m_view)
        return state;
    state.focusable = true;
    state.linked = true;
    const QTextCursor cursor = m_view->textCursor();
    state.focused =
        m_view->hasFocus() && cursor.selectionStart() == m_start && cursor.selectionEnd() == m_end;
    return state;
}
