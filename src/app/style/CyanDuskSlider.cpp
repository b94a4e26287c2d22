// The slider: a thin track filled in the highlight colour from the minimum up to a round handle.
#include "app/style/CyanDuskColours.h"
#include "app/style/CyanDuskStyle.h"

#include <QPainter>
#include <QSlider>

#include <algorithm>

using namespace CyanDusk;

namespace {

// Thickness of a slider's track; the handle is wider, so it sits on the track rather than in it.
constexpr int TrackThickness = 4;

QColor Track(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Button), 0.35);
}

} // namespace

bool CyanDuskStyle::drawSlider(const QStyleOptionComplex* option, QPainter* painter,
                               const QWidget* widget) const
{
    const auto* Slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!Slider)
        return false;
    const QPalette& Palette = option->palette;
    if ((Slider->subControls & SC_SliderTickmarks) && Slider->tickPosition != QSlider::NoTicks) {
        QStyleOptionSlider Ticks(*Slider);
        Ticks.subControls = SC_SliderTickmarks;
        QProxyStyle::drawComplexControl(CC_Slider, &Ticks, painter, widget);
    }
    const bool Enabled = Slider->state & State_Enabled;
    const bool Horizontal = Slider->orientation == Qt::Horizontal;
    const QRect Groove = proxy()->subControlRect(CC_Slider, Slider, SC_SliderGroove, widget);
    const QRect Handle = proxy()->subControlRect(CC_Slider, Slider, SC_SliderHandle, widget);
    const QPoint Centre = Handle.center();

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    if (Slider->subControls & SC_SliderGroove) {
        const QRect Line =
            Horizontal
                ? QRect(Groove.left(), Centre.y() - TrackThickness / 2 + 1, Groove.width(), TrackThickness)
                : QRect(Centre.x() - TrackThickness / 2 + 1, Groove.top(), TrackThickness, Groove.height());
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
        const QRectF Knob(Centre.x() - (Diameter - 1) / 2 + 0.5, Centre.y() - (Diameter - 1) / 2 + 0.5,
                          Diameter - 1, Diameter - 1);
        painter->setPen(Edge);
        painter->setBrush(Hover ? Wash(Palette, HandleWash) : Palette.color(QPalette::Base));
        painter->drawEllipse(Knob);
    }
    painter->restore();
    return true;
}
