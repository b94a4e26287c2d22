#include "app/style/CyanDuskColours.h"

#include <QStyle>

namespace CyanDusk {

QColor Mix(const QColor& a, const QColor& b, double t)
{
    const auto Channel = [t](int From, int To) { return int(From + (To - From) * t + 0.5); };
    return QColor(Channel(a.red(), b.red()), Channel(a.green(), b.green()), Channel(a.blue(), b.blue()));
}

QColor Wash(const QPalette& palette, float lightness)
{
    return QColor::fromHslF(palette.color(QPalette::Highlight).hslHueF(), 0.58f, lightness);
}

QColor Accent(const QPalette& palette)
{
    return palette.color(QPalette::Highlight).lighter(133);
}

QColor FaintEdge(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Window), 0.45);
}

QColor SoftLine(const QPalette& palette)
{
    return Mix(palette.color(QPalette::Mid), palette.color(QPalette::Button), 0.3);
}

bool Hovered(const QStyleOption& option)
{
    return (option.state & QStyle::State_Enabled) && (option.state & QStyle::State_MouseOver);
}

bool KeyboardFocus(const QStyleOption& option)
{
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

} // namespace CyanDusk
