#include "help/HelpBrowser.h"

#include "access/DocumentAccessible.h"

#include <QTextBlock>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    connect(this, &QTextBrowser::sourceChanged, this, &HelpBrowser::sourceWasChanged);
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] { DocumentAccessible::cursorMoved(this); });
}

bool HelpBrowser::focusNextPrevChild(bool next)
{
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    // The view selects the next link without a word to anyone.
    DocumentAccessible::cursorMoved(this);
    return moved;
}

// The caret goes where the link led, so that reading goes on from there.
void HelpBrowser::sourceWasChanged(const QUrl& ASource)
{
    const QString anchor = ASource.fragment();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                QTextCursor cursor(document());
                cursor.setPosition(it.fragment().position());
                setTextCursor(cursor);
                return;
            }
}
