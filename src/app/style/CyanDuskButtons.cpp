// Push buttons with a rounded face of their own, washed under the mouse and when held down; the default
// button and keyboard focus show in the edge. Check boxes take the field wash under the mouse.
#include "app/style/CyanDuskColours.h"
#include "app/style/CyanDuskStyle.h"

#include <QPainter>
#include <QPushButton>

using namespace CyanDusk;

namespace {

QColor ButtonFace(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Button), palette.color(QPalette::Light), 0.25);
}

QColor ButtonEdge(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Dark), 0.4);
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

bool CyanDuskStyle::drawButtonPrimitive(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_IndicatorCheckBox:
        if (const auto* Box = qstyleoption_cast<const QStyleOptionButton*>(option); Box && Hovered(*option)) {
            QStyleOptionButton Copy(*Box);
            Copy.palette.setColor(QPalette::Base, Wash(option->palette, FieldWash));
            QProxyStyle::drawPrimitive(element, &Copy, painter, widget);
            return true;
        }
        return false;

    case PE_PanelButtonCommand:
        // Only push buttons: combo boxes, tool buttons and the like keep the base style's face.
        if (!qobject_cast<const QPushButton*>(widget))
            return false;
        DrawButtonPanel(*option, painter);
        return true;

    case PE_FrameDefaultButton:
        // The default push button shows in its edge colour instead.
        return qobject_cast<const QPushButton*>(widget) != nullptr;

    default:
        return false;
    }
}
