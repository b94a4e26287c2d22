#include "platform/ToolTipPlacement.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>
#include <cstring>
#include <wayland-client.h>

namespace {

// The xdg_wm_base version the compositor offers, asked on a connection of our own to the compositor Qt
// talks to: Qt's own connection is not public on every Qt version. 0 when there is none to ask.
uint32_t OfferedXdgShellVersion()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return 0;
    static const wl_registry_listener listener = {
        [](void* AVersion, wl_registry*, uint32_t, const char* AInterface, uint32_t AOffered) {
            if (std::strcmp(AInterface, "xdg_wm_base") == 0)
                *static_cast<uint32_t*>(AVersion) = AOffered;
        },
        [](void*, wl_registry*, uint32_t) {}};
    uint32_t version = 0;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &version);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return version;
}

} // namespace

bool ShownToolTipsMove()
{
    static const bool moves = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        || (QLibraryInfo::version() >= QVersionNumber(6, 8) && OfferedXdgShellVersion() >= 3);
    return moves;
}

void MoveToolTip(QWidget* AToolTip, const QPoint& APosition)
{
    if (AToolTip->pos() == APosition)
        return;
    if (!AToolTip->isVisible() || ShownToolTipsMove()) {
        AToolTip->move(APosition);
        return;
    }
    AToolTip->hide();
    AToolTip->move(APosition);
    AToolTip->show();
}
