// Entry fields take the cyan wash under the mouse; a read-only field sits between an entry field and the
// window.
#include "app/style/CyanDuskColours.h"
#include "app/style/CyanDuskStyle.h"

#include <QAbstractSpinBox>

using namespace CyanDusk;

namespace {

// A spin box's text is a line edit of its own; it takes the wash when the mouse is anywhere on the box.
bool InHoveredSpinBox(const QWidget* widget)
{
    const QWidget* Parent = widget ? widget->parentWidget() : nullptr;
    return qobject_cast<const QAbstractSpinBox*>(Parent) && Parent->isEnabled() && Parent->underMouse();
}

} // namespace

bool CyanDuskStyle::drawFieldPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* Frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (!Frame || !(option->state & State_Enabled))
        return false;
    const QPalette& Palette = option->palette;
    QStyleOptionFrame Copy(*Frame);
    // A field that shows a value but takes no typing sits between an entry field and the window.
    if (option->state & State_ReadOnly)
        Copy.palette.setColor(QPalette::Base,
                              Mix(Palette.color(QPalette::Base), Palette.color(QPalette::Window), 0.35));
    else if (Hovered(*option) || InHoveredSpinBox(widget))
        Copy.palette.setColor(QPalette::Base, Wash(Palette, FieldWash));
    QProxyStyle::drawPrimitive(PE_PanelLineEdit, &Copy, painter, widget);
    return true;
}

bool CyanDuskStyle::drawComboBox(const QStyleOptionComplex* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const auto* Combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (!Combo || !Hovered(*option))
        return false;
    QStyleOptionComboBox Copy(*Combo);
    if (Combo->editable)
        Copy.palette.setColor(QPalette::Base, Wash(option->palette, FieldWash));
    else
        Copy.palette.setColor(QPalette::Button, Wash(option->palette, FaceWash));
    QProxyStyle::drawComplexControl(CC_ComboBox, &Copy, painter, widget);
    return true;
}

bool CyanDuskStyle::drawSpinBox(const QStyleOptionComplex* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto* Spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    if (!Spin || !Hovered(*option))
        return false;
    QStyleOptionSpinBox Copy(*Spin);
    Copy.palette.setColor(QPalette::Base, Wash(option->palette, FieldWash));
    QProxyStyle::drawComplexControl(CC_SpinBox, &Copy, painter, widget);
    return true;
}
