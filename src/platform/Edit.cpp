#include "platform/Edit.h"

Edit::Edit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &Edit::textWasChanged);
}

void Edit::textWasChanged(const QString& text)
{
    // Guarded so that a text set back to what it was, or set before the handlers were connected, is judged
    // against what the change handler last saw.
    if (text == m_lastText)
        return;
    m_lastText = text;
    Q_EMIT change();
}
