// Tabs and their page: the current tab marked by a bar in the highlight colour and joined to its page by
// a 1 px frame, a small gap between tabs. The only metrics the style changes are theirs.
#include "app/style/CyanDuskColours.h"
#include "app/style/CyanDuskStyle.h"

#include <QPainter>
#include <QTabBar>

using namespace CyanDusk;

namespace {

// Space between neighbouring tabs, taken from the end of each tab so the first one lines up with the page.
constexpr int TabGap = 2;
// Thickness of the highlight bar along the top of the current tab.
constexpr int TabBarThickness = 3;
// Other tabs start this much lower, so the current one stands forward.
constexpr int TabDrop = 2;
constexpr qreal TabRadius = 4;

QColor TabFace(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Button), palette.color(QPalette::Mid), 0.1);
}

bool DrawsOwnTab(const QStyleOptionTab& tab)
{
    return tab.shape == QTabBar::RoundedNorth && !tab.documentMode;
}

// The tab without the gap on its trailing side.
QRect TabFaceRect(const QStyleOptionTab& tab)
{
    return tab.direction == Qt::RightToLeft ? tab.rect.adjusted(TabGap, 0, 0, 0)
                                            : tab.rect.adjusted(0, 0, -TabGap, 0);
}

void DrawTabShape(const QStyleOptionTab& tab, QPainter* painter)
{
    const QPalette& Palette = tab.palette;
    const bool Selected = tab.state & QStyle::State_Selected;
    const bool Enabled = tab.state & QStyle::State_Enabled;
    const bool Hover = Hovered(tab) && !Selected;

    QColor Face = TabFace(Palette);
    QColor Edge = Palette.color(QPalette::Mid);
    if (Selected) {
        Face = Palette.color(QPalette::Window);
    } else if (!Enabled) {
        // A tab can be disabled in an enabled bar, so its palette is still the active one.
        Face = Palette.color(QPalette::Disabled, QPalette::Button);
        Edge = FaintEdge(Palette);
    } else if (Hover) {
        Face = Wash(Palette, FaceWash);
        Edge = Accent(Palette);
    }

    // The current tab reaches down over the page's top line, which joins it to the page; the others stop
    // above that line and let it close them off.
    QRect Area = TabFaceRect(tab);
    if (!Selected)
        Area.adjust(0, TabDrop, 0, -1);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // Drawn past the bottom and clipped there, so only the top corners are round and no bottom edge shows.
    painter->setClipRect(Area);
    painter->setPen(Edge);
    painter->setBrush(Face);
    painter->drawRoundedRect(QRectF(Area).adjusted(0.5, 0.5, -0.5, TabRadius + 1), TabRadius, TabRadius);
    if (Selected) {
        painter->setClipRect(QRect(Area.left(), Area.top(), Area.width(), TabBarThickness));
        painter->setPen(Qt::NoPen);
        painter->setBrush(Palette.color(QPalette::Highlight));
        painter->drawRoundedRect(QRectF(Area).adjusted(0, 0, 0, TabRadius + 1), TabRadius, TabRadius);
    }
    painter->restore();
}

} // namespace

void CyanDuskStyle::drawTabPageFrame(const QStyleOption* option, QPainter* painter) const
{
    // One plain line around the page; the current tab covers its top where the two join.
    painter->save();
    painter->setPen(option->palette.color(QPalette::Mid));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

bool CyanDuskStyle::drawTab(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    const auto* Tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (!Tab || !DrawsOwnTab(*Tab))
        return false;
    if (element == CE_TabBarTabShape) {
        DrawTabShape(*Tab, painter);
        return true;
    }
    // The label is centred on the tab's face, not on face and gap.
    QStyleOptionTab Copy(*Tab);
    Copy.rect = TabFaceRect(*Tab);
    QProxyStyle::drawControl(element, &Copy, painter, widget);
    return true;
}

int CyanDuskStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    // The page's frame is one line, and the current tab covers exactly that line.
    case PM_TabBarBaseOverlap:
        return 1;
    // The tabs' faces already differ in height; their texts stay level.
    case PM_TabBarTabShiftVertical:
    case PM_TabBarTabShiftHorizontal:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize CyanDuskStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const
{
    QSize Result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_TabBarTab) {
        if (const auto* Tab = qstyleoption_cast<const QStyleOptionTab*>(option); Tab && DrawsOwnTab(*Tab))
            Result.rwidth() += TabGap;
    }
    return Result;
}

QRect CyanDuskStyle::subElementRect(SubElement element, const QStyleOption* option,
                                    const QWidget* widget) const
{
    if (element == SE_TabWidgetTabContents) {
        // The page starts right inside its one-line frame.
        if (const auto* Frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
            Frame && Frame->lineWidth > 0 && Frame->shape == QTabBar::RoundedNorth)
            return proxy()->subElementRect(SE_TabWidgetTabPane, option, widget).adjusted(1, 1, -1, -1);
    }
    return QProxyStyle::subElementRect(element, option, widget);
}
