#include "hint/TFHint.h"

TFHint* FHint = nullptr;

namespace {
constexpr double Opacity = 220.0 / 255.0;
} // namespace

TFHint::TFHint(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("FHint"));
    setWindowTitle(QStringLiteral("FHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(Opacity);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    resize(502, 94);
}
