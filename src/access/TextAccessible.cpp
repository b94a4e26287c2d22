#include "access/TextAccessible.h"

#include <QFontMetrics>
#include <QWidget>

TextAccessible::TextAccessible(QWidget* AControl, QAccessible::Role ARole)
    : QAccessibleWidget(AControl, ARole)
{
}

void* TextAccessible::interface_cast(QAccessible::InterfaceType AType)
{
    if (AType == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(AType);
}

void TextAccessible::selection(int, int* AStart, int* AEnd) const
{
    *AStart = *AEnd = 0;
}

QString TextAccessible::text(int AStart, int AEnd) const
{
    return AStart > AEnd ? QString() : shownText().mid(AStart, AEnd - AStart);
}

QRect TextAccessible::characterRect(int AOffset) const
{
    const QString line = shownText();
    if (AOffset < 0 || AOffset >= line.size())
        return QRect();
    const QFontMetrics metrics(widget()->font());
    QRect rect = lineStart();
    rect.translate(metrics.horizontalAdvance(line.left(AOffset)), 0);
    rect.setWidth(metrics.horizontalAdvance(line.at(AOffset)));
    return rect.translated(widget()->mapToGlobal(QPoint(0, 0)));
}

int TextAccessible::offsetAtPoint(const QPoint& APoint) const
{
    for (int offset = 0; offset < characterCount(); ++offset)
        if (characterRect(offset).contains(APoint))
            return offset;
    return -1;
}

QString TextAccessible::attributes(int, int* AStart, int* AEnd) const
{
    *AStart = 0;
    *AEnd = characterCount();
    return QString();
}
