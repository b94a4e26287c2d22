#include "app/CyanDuskStyle.h"

#include <QAbstractSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyleOption>
#include <QTabBar>

#include <algorithm>

namespace {

// Space between neighbouring tabs, taken from the end of each tab so the first one lines up with the page.
constexpr int TabGap = 2;
// Thickness of the highlight bar along the top of the current tab.
constexpr int TabBarThickness = 3;
// Other tabs start this much lower, so the current one stands forward.
constexpr int TabDrop = 2;
constexpr qreal TabRadius = 4;
// Thickness of a slider's track; the handle is wider, so it sits on the track rather than in it.
constexpr int TrackThickness = 4;

// Lightness of the cyan wash: fields under the mouse, faces (tabs, header sections, buttons) under the
// mouse, a slider handle under the mouse, a button held down.
constexpr float FieldWash = 0.915f;
constexpr float FaceWash = 0.885f;
constexpr float HandleWash = 0.925f;
constexpr float PressedWash = 0.78f;

// a with the share t of b.
QColor Mix(const QColor& a, const QColor& b, double t)
{
    const auto Channel = [t](int From, int To) { return int(From + (To - From) * t + 0.5); };
    return QColor(Channel(a.red(), b.red()), Channel(a.green(), b.green()), Channel(a.blue(), b.blue()));
}

// A pale tint of the highlight's hue; the colours below derive from the palette so the look follows it.
QColor Wash(const QPalette& palette, float lightness)
{
    return QColor::fromHslF(palette.color(QPalette::Highlight).hslHueF(), 0.58f, lightness);
}

// A brighter cyan than the highlight for edges under the mouse, which the darker one would make heavy.
QColor Accent(const QPalette& palette)
{
    return palette.color(QPalette::Highlight).lighter(133);
}

QColor FaintEdge(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Window), 0.45);
}

QColor TabFace(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Button), palette.color(QPalette::Mid), 0.1);
}

QColor HeaderFace(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Button), palette.color(QPalette::Window), 0.3);
}

QColor SoftLine(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Button), 0.3);
}

QColor ButtonFace(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Button), palette.color(QPalette::Light), 0.25);
}

QColor ButtonEdge(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Dark), 0.4);
}

QColor Track(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Button), 0.35);
}

bool Hovered(const QStyleOption& option)
{
    return (option.state & QStyle::State_Enabled) && (option.state & QStyle::State_MouseOver);
}

bool KeyboardFocus(const QStyleOption& option)
{
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

// A spin box's text is a line edit of its own; it takes the wash when the mouse is anywhere on the box.
bool InHoveredSpinBox(const QWidget* widget)
{
    const QWidget* Parent = widget ? widget->parentWidget() : nullptr;
    return qobject_cast<const QAbstractSpinBox*>(Parent) && Parent->isEnabled() && Parent->underMouse();
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

void DrawButtonPanel(const QStyleOption& option, QPainter* painter)
{
    const auto* Button = qstyleoption_cast<const QStyleOptionButton*>(&option);
    const QPalette& Palette = option.palette;
    const bool Enabled = option.state & QStyle::State_Enabled;
    const bool Hover = Hovered(option);
    const bool Down = Enabled && (option.state & (QStyle::State_Sunken | QStyle::State_On));
    const bool Focus = KeyboardFocus(option);
    if (Button && (Button->features & QStyleOptionButton::Flat) && !Down && !Hover)
        return;
    const bool Default = Button && (Button->features & QStyleOptionButton::DefaultButton);

    // A disabled widget's palette is the disabled group already: its Button is the flat grey face.
    QColor Face = Enabled ? ButtonFace(Palette) : Palette.color(QPalette::Button);
    if (Down)
        Face = Wash(Palette, PressedWash);
    else if (Hover)
        Face = Wash(Palette, FaceWash);
    QColor Edge = ButtonEdge(Palette);
    if (!Enabled)
        Edge = FaintEdge(Palette);
    else if (Default || Focus)
        Edge = Palette.color(QPalette::Highlight);
    else if (Hover)
        Edge = Accent(Palette);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Edge);
    painter->setBrush(Face);
    painter->drawRoundedRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (Focus) {
        QColor Ring = Palette.color(QPalette::Highlight);
        Ring.setAlpha(110);
        painter->setPen(Ring);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    }
    painter->restore();
}

} // namespace

CyanDuskStyle::CyanDuskStyle(QStyle* base) : QProxyStyle(base)
{
    setObjectName(QStringLiteral("CyanDusk"));
}

// Qt repaints on the mouse entering and leaving only widgets that ask for it; these are washed under the
// mouse here but not by the base style.
void CyanDuskStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTabBar*>(widget)) {
        widget->setAttribute(Qt::WA_Hover);
    } else if (auto* Header = qobject_cast<QHeaderView*>(widget)) {
        Header->setAttribute(Qt::WA_Hover);
        // The sections are painted on the viewport, which receives the mouse.
        Header->viewport()->setAttribute(Qt::WA_Hover);
    }
}

void CyanDuskStyle::unpolish(QWidget* widget)
{
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTabBar*>(widget)) {
        widget->setAttribute(Qt::WA_Hover, false);
    } else if (auto* Header = qobject_cast<QHeaderView*>(widget)) {
        Header->setAttribute(Qt::WA_Hover, false);
        Header->viewport()->setAttribute(Qt::WA_Hover, false);
    }
    QProxyStyle::unpolish(widget);
}

void CyanDuskStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    const QPalette& Palette = option->palette;
    switch (element) {
    case PE_FrameTabWidget:
        // One plain line around the page; the current tab covers its top where the two join.
        painter->save();
        painter->setPen(Palette.color(QPalette::Mid));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;

    case PE_PanelLineEdit:
        if (const auto* Frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            Frame && (option->state & State_Enabled)) {
            QStyleOptionFrame Copy(*Frame);
            // A field that shows a value but takes no typing sits between an entry field and the window.
            if (option->state & State_ReadOnly)
                Copy.palette.setColor(QPalette::Base, Mix(Palette.color(QPalette::Base),
                                                          Palette.color(QPalette::Window), 0.35));
            else if (Hovered(*option) || InHoveredSpinBox(widget))
                Copy.palette.setColor(QPalette::Base, Wash(Palette, FieldWash));
            QProxyStyle::drawPrimitive(element, &Copy, painter, widget);
            return;
        }
        break;

    case PE_IndicatorCheckBox:
        if (const auto* Box = qstyleoption_cast<const QStyleOptionButton*>(option); Box && Hovered(*option)) {
            QStyleOptionButton Copy(*Box);
            Copy.palette.setColor(QPalette::Base, Wash(Palette, FieldWash));
            QProxyStyle::drawPrimitive(element, &Copy, painter, widget);
            return;
        }
        break;

    case PE_PanelButtonCommand:
        // Only push buttons: combo boxes, tool buttons and the like keep the base style's face.
        if (qobject_cast<const QPushButton*>(widget)) {
            DrawButtonPanel(*option, painter);
            return;
        }
        break;

    case PE_FrameDefaultButton:
        // The default push button shows in its edge colour instead.
        if (qobject_cast<const QPushButton*>(widget))
            return;
        break;

    case PE_PanelStatusBar:
        painter->fillRect(option->rect, Palette.color(QPalette::Button));
        painter->fillRect(QRect(option->rect.topLeft(), QSize(option->rect.width(), 1)), SoftLine(Palette));
        return;

    case PE_PanelTipLabel:
        painter->save();
        painter->setPen(Accent(Palette));
        painter->setBrush(Palette.color(QPalette::ToolTipBase));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;

    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void CyanDuskStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    switch (element) {
    case CE_TabBarTabShape:
        if (const auto* Tab = qstyleoption_cast<const QStyleOptionTab*>(option); Tab && DrawsOwnTab(*Tab)) {
            DrawTabShape(*Tab, painter);
            return;
        }
        break;

    case CE_TabBarTabLabel:
        // Centred on the tab's face, not on face and gap.
        if (const auto* Tab = qstyleoption_cast<const QStyleOptionTab*>(option); Tab && DrawsOwnTab(*Tab)) {
            QStyleOptionTab Copy(*Tab);
            Copy.rect = TabFaceRect(*Tab);
            QProxyStyle::drawControl(element, &Copy, painter, widget);
            return;
        }
        break;

    case CE_HeaderSection: {
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
        return;
    }

    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void CyanDuskStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const
{
    const QPalette& Palette = option->palette;
    switch (control) {
    case CC_Slider:
        if (const auto* Slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            if ((Slider->subControls & SC_SliderTickmarks) && Slider->tickPosition != QSlider::NoTicks) {
                QStyleOptionSlider Ticks(*Slider);
                Ticks.subControls = SC_SliderTickmarks;
                QProxyStyle::drawComplexControl(control, &Ticks, painter, widget);
            }
            const bool Enabled = Slider->state & State_Enabled;
            const bool Horizontal = Slider->orientation == Qt::Horizontal;
            const QRect Groove = proxy()->subControlRect(control, Slider, SC_SliderGroove, widget);
            const QRect Handle = proxy()->subControlRect(control, Slider, SC_SliderHandle, widget);
            const QPoint Centre = Handle.center();

            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            if (Slider->subControls & SC_SliderGroove) {
                const QRect Line = Horizontal ? QRect(Groove.left(), Centre.y() - TrackThickness / 2 + 1,
                                                      Groove.width(), TrackThickness)
                                              : QRect(Centre.x() - TrackThickness / 2 + 1, Groove.top(),
                                                      TrackThickness, Groove.height());
                const qreal Round = TrackThickness / 2.0;
                painter->setBrush(Track(Palette));
                painter->drawRoundedRect(Line, Round, Round);
                // Filled from the minimum's end up to the handle; a disabled slider shows no fill.
                if (Enabled) {
                    QRect Filled = Line;
                    if (Horizontal)
                        Slider->upsideDown ? Filled.setLeft(Centre.x()) : Filled.setRight(Centre.x());
                    else
                        Slider->upsideDown ? Filled.setTop(Centre.y()) : Filled.setBottom(Centre.y());
                    painter->setBrush(Palette.color(QPalette::Highlight));
                    painter->drawRoundedRect(Filled, Round, Round);
                }
            }
            if (Slider->subControls & SC_SliderHandle) {
                const bool Hover = Enabled && (Slider->activeSubControls & SC_SliderHandle) &&
                                   (Slider->state & (State_MouseOver | State_Sunken));
                QColor Edge = Palette.color(QPalette::Dark);
                if (!Enabled)
                    Edge = FaintEdge(Palette);
                else if (KeyboardFocus(*Slider))
                    Edge = Palette.color(QPalette::Highlight);
                else if (Hover)
                    Edge = Accent(Palette);
                const int Diameter = std::min(Handle.width(), Handle.height());
                const QRectF Knob(Centre.x() - (Diameter - 1) / 2 + 0.5,
                                  Centre.y() - (Diameter - 1) / 2 + 0.5, Diameter - 1, Diameter - 1);
                painter->setPen(Edge);
                painter->setBrush(Hover ? Wash(Palette, HandleWash) : Palette.color(QPalette::Base));
                painter->drawEllipse(Knob);
            }
            painter->restore();
            return;
        }
        break;

    case CC_ComboBox:
        if (const auto* Combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
            Combo && Hovered(*option)) {
            QStyleOptionComboBox Copy(*Combo);
            if (Combo->editable)
                Copy.palette.setColor(QPalette::Base, Wash(Palette, FieldWash));
            else
                Copy.palette.setColor(QPalette::Button, Wash(Palette, FaceWash));
            QProxyStyle::drawComplexControl(control, &Copy, painter, widget);
            return;
        }
        break;

    case CC_SpinBox:
        if (const auto* Spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
            Spin && Hovered(*option)) {
            QStyleOptionSpinBox Copy(*Spin);
            Copy.palette.setColor(QPalette::Base, Wash(Palette, FieldWash));
            QProxyStyle::drawComplexControl(control, &Copy, painter, widget);
            return;
        }
        break;

    default:
        break;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
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

int CyanDuskStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const
{
    // A faint grid: the rows are told apart by it, not boxed in.
    if (hint == SH_Table_GridLineColor && option)
        return int(
            Mix(option->palette.color(QPalette::Window), option->palette.color(QPalette::Mid), 0.13).rgba());
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
