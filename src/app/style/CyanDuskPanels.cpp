// Flat panels: table headers a shade off the window with a faint grid below them, a status bar set off by
// a line, dark tool tips with a cyan edge.
#include "app/style/CyanDuskColours.h"
#include "app/style/CyanDuskStyle.h"

#include <QPainter>

using namespace CyanDusk;

namespace {

QColor HeaderFace(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Button), palette.color(QPalette::Window), 0.3);
}

} // namespace

void CyanDuskStyle::drawHeaderSection(const QStyleOption* option, QPainter* painter) const
{
    // Flat: a face a shade off the window's, a soft line between sections and the frame's line below.
    const QPalette& Palette = option->palette;
    const QRect& Rect = option->rect;
    QColor Face = HeaderFace(Palette);
    if ((option->state & State_Sunken) && (option->state & State_Enabled))
        Face = Wash(Palette, PressedWash);
    else if (Hovered(*option))
        Face = Wash(Palette, FaceWash);
    painter->fillRect(Rect, Face);
    painter->fillRect(QRect(Rect.right(), Rect.top(), 1, Rect.height()), SoftLine(Palette));
    painter->fillRect(QRect(Rect.left(), Rect.bottom(), Rect.width(), 1), Palette.color(QPalette::Mid));
}

int CyanDuskStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const
{
    // A faint grid: the rows are told apart by it, not boxed in.
    if (hint == SH_Table_GridLineColor && option)
        return int(
            Mix(option->palette.color(QPalette::Window), option->palette.color(QPalette::Mid), 0.13).rgba());
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void CyanDuskStyle::drawStatusBarPanel(const QStyleOption* option, QPainter* painter) const
{
    painter->fillRect(option->rect, option->palette.color(QPalette::Button));
    painter->fillRect(QRect(option->rect.topLeft(), QSize(option->rect.width(), 1)),
                      SoftLine(option->palette));
}

void CyanDuskStyle::drawToolTipPanel(const QStyleOption* option, QPainter* painter) const
{
    painter->save();
    painter->setPen(Accent(option->palette));
    painter->setBrush(option->palette.color(QPalette::ToolTipBase));
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
