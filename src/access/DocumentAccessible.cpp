#include "access/DocumentAccessible.h"

#include "access/DocumentPartAccessible.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <tuple>

namespace {

DocumentPartAccessible* Part(QAccessible::Id AId)
{
    return static_cast<DocumentPartAccessible*>(QAccessible::accessibleInterface(AId));
}

} // namespace

DocumentAccessible::DocumentAccessible(QTextEdit* AView) : QAccessibleWidget(AView, QAccessible::Document) {}

DocumentAccessible::~DocumentAccessible()
{
    forgetParts();
}

QAccessibleInterface* DocumentAccessible::create(const QString&, QObject* AObject)
{
    if (auto* view = qobject_cast<QTextBrowser*>(AObject))
        return new DocumentAccessible(view);
    return nullptr;
}

void DocumentAccessible::cursorMoved(QTextEdit* AView)
{
    if (!QAccessible::isActive())
        return;
    auto* document = dynamic_cast<DocumentAccessible*>(QAccessible::queryAccessibleInterface(AView));
    if (!document)
        return;
    const QTextCursor cursor = AView->textCursor();
    QAccessibleInterface* reached = document;
    for (QAccessible::Id id : document->parts()) {
        DocumentPartAccessible* part = Part(id);
        const bool selected = part->role() == QAccessible::Link && cursor.selectionStart() == part->start() &&
                              cursor.selectionEnd() == part->end();
        const bool atHeading = part->role() == QAccessible::Heading && !cursor.hasSelection() &&
                               cursor.position() == part->start();
        if (selected || atHeading)
            reached = part;
    }
    if (reached == document && !document->m_partFocused)
        return;
    document->m_partFocused = reached != document;
    QAccessibleEvent event(reached, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QTextEdit* DocumentAccessible::view() const
{
    return static_cast<QTextEdit*>(widget());
}

void* DocumentAccessible::interface_cast(QAccessible::InterfaceType AType)
{
    if (AType == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(AType);
}

QAccessible::State DocumentAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

const std::vector<QAccessible::Id>& DocumentAccessible::parts() const
{
    const QTextDocument* document = view()->document();
    if (m_partsRevision == document->revision())
        return m_parts;
    forgetParts();
    m_partsRevision = document->revision();
    auto* self = view();
    const auto add = [&](QAccessible::Role ARole, int AStart, int AEnd, const QString& AText) {
        m_parts.push_back(QAccessible::registerAccessibleInterface(
            new DocumentPartAccessible(self, ARole, AStart, AEnd, AText.trimmed())));
    };
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0)
            add(QAccessible::Heading, block.position(), block.position() + block.length() - 1, block.text());
        // A link's text may come in several fragments (a word set in bold): they make one link.
        int linkStart = -1;
        int linkEnd = -1;
        QString href;
        QString linkText;
        const auto endLink = [&] {
            if (linkStart >= 0)
                add(QAccessible::Link, linkStart, linkEnd, linkText);
            linkStart = -1;
            linkText.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString fragmentHref = fragment.charFormat().anchorHref();
            if (fragmentHref.isEmpty() || fragmentHref != href || fragment.position() != linkEnd)
                endLink();
            href = fragmentHref;
            if (href.isEmpty())
                continue;
            if (linkStart < 0)
                linkStart = fragment.position();
            linkEnd = fragment.position() + fragment.length();
            linkText += fragment.text();
        }
        endLink();
    }
    return m_parts;
}

void DocumentAccessible::forgetParts() const
{
    for (QAccessible::Id id : m_parts)
        QAccessible::deleteAccessibleInterface(id);
    m_parts.clear();
}

int DocumentAccessible::childCount() const
{
    return int(parts().size());
}

QAccessibleInterface* DocumentAccessible::child(int AIndex) const
{
    const std::vector<QAccessible::Id>& all = parts();
    return AIndex >= 0 && AIndex < int(all.size()) ? QAccessible::accessibleInterface(all[AIndex]) : nullptr;
}

int DocumentAccessible::indexOfChild(const QAccessibleInterface* AChild) const
{
    const std::vector<QAccessible::Id>& all = parts();
    for (std::size_t index = 0; index < all.size(); ++index)
        if (QAccessible::accessibleInterface(all[index]) == AChild)
            return int(index);
    return -1;
}

QString DocumentAccessible::plainText() const
{
    // The raw text has a character for every cursor position; the marks of paragraphs, lines and table
    // cells read as line ends.
    QString text = view()->document()->toRawText();
    for (QChar& character : text) {
        const char16_t code = character.unicode();
        if (code == QChar::ParagraphSeparator || code == QChar::LineSeparator || code == 0xfdd0 ||
            code == 0xfdd1)
            character = u'\n';
        else if (code == QChar::Nbsp)
            character = u' ';
    }
    return text;
}

void DocumentAccessible::selection(int ASelection, int* AStart, int* AEnd) const
{
    const QTextCursor cursor = view()->textCursor();
    const bool any = ASelection == 0 && cursor.hasSelection();
    *AStart = any ? cursor.selectionStart() : 0;
    *AEnd = any ? cursor.selectionEnd() : 0;
}

int DocumentAccessible::selectionCount() const
{
    return view()->textCursor().hasSelection() ? 1 : 0;
}

int DocumentAccessible::cursorPosition() const
{
    return view()->textCursor().position();
}

void DocumentAccessible::setCursorPosition(int APosition)
{
    QTextCursor cursor = view()->textCursor();
    cursor.setPosition(std::clamp(APosition, 0, characterCount()));
    view()->setTextCursor(cursor);
}

QString DocumentAccessible::text(int AStart, int AEnd) const
{
    return AStart > AEnd ? QString() : plainText().mid(AStart, AEnd - AStart);
}

int DocumentAccessible::characterCount() const
{
    // Without the paragraph mark that ends every document.
    return view()->document()->characterCount() - 1;
}

QRect DocumentAccessible::characterRect(int AOffset) const
{
    if (AOffset < 0 || AOffset >= characterCount())
        return QRect();
    QTextCursor cursor(view()->document());
    cursor.setPosition(AOffset);
    QRect area = view()->cursorRect(cursor);
    cursor.setPosition(AOffset + 1);
    const QRect next = view()->cursorRect(cursor);
    if (next.top() == area.top() && next.left() > area.left())
        area.setRight(next.left() - 1);
    return area.translated(view()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int DocumentAccessible::offsetAtPoint(const QPoint& APoint) const
{
    return view()->cursorForPosition(view()->viewport()->mapFromGlobal(APoint)).position();
}

void DocumentAccessible::scrollToSubstring(int AStart, int)
{
    setCursorPosition(AStart);
    view()->ensureCursorVisible();
}

QString DocumentAccessible::attributes(int, int* AStart, int* AEnd) const
{
    // One run for the whole text: runs without attributes at every offset make Orca drop characters.
    *AStart = 0;
    *AEnd = characterCount();
    return QString();
}

std::pair<int, int> DocumentAccessible::lineAt(int AOffset) const
{
    const QTextBlock block = view()->document()->findBlock(AOffset);
    const int blockEnd = block.position() + block.length();
    const QTextLayout* layout = block.layout();
    const QTextLine line = layout ? layout->lineForTextPosition(AOffset - block.position()) : QTextLine();
    if (!line.isValid())
        return {block.position(), blockEnd};
    const bool last = line.lineNumber() == layout->lineCount() - 1;
    return {block.position() + line.textStart(),
            last ? blockEnd : block.position() + line.textStart() + line.textLength()};
}

QString DocumentAccessible::textAtOffset(int AOffset, QAccessible::TextBoundaryType AType, int* AStart,
                                         int* AEnd) const
{
    if (AType != QAccessible::LineBoundary || AOffset < 0 || AOffset > characterCount())
        return QAccessibleTextInterface::textAtOffset(AOffset, AType, AStart, AEnd);
    std::tie(*AStart, *AEnd) = lineAt(AOffset);
    *AEnd = std::min(*AEnd, characterCount());
    return text(*AStart, *AEnd);
}

QString DocumentAccessible::textBeforeOffset(int AOffset, QAccessible::TextBoundaryType AType, int* AStart,
                                             int* AEnd) const
{
    if (AType != QAccessible::LineBoundary || AOffset < 0 || AOffset > characterCount())
        return QAccessibleTextInterface::textBeforeOffset(AOffset, AType, AStart, AEnd);
    const int start = lineAt(AOffset).first;
    if (start == 0) {
        *AStart = *AEnd = 0;
        return QString();
    }
    return textAtOffset(start - 1, AType, AStart, AEnd);
}

QString DocumentAccessible::textAfterOffset(int AOffset, QAccessible::TextBoundaryType AType, int* AStart,
                                            int* AEnd) const
{
    if (AType != QAccessible::LineBoundary || AOffset < 0 || AOffset > characterCount())
        return QAccessibleTextInterface::textAfterOffset(AOffset, AType, AStart, AEnd);
    const int end = lineAt(AOffset).second;
    if (end >= characterCount()) {
        *AStart = *AEnd = characterCount();
        return QString();
    }
    return textAtOffset(end, AType, AStart, AEnd);
}
