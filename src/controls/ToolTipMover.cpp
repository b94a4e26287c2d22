#include "controls/ToolTipMover.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QVersionNumber>
#ifndef Q_OS_WIN
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
#endif

bool ShownToolTipsMove()
{
#ifdef Q_OS_WIN
    return true;
#else
    static const bool moves =
        !QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
        (QLibraryInfo::version() >= QVersionNumber(6, 8) && OfferedXdgShellVersion() >= 3);
    return moves;
#endif
}

ToolTipMover::ToolTipMover(QWidget* AToolTip) : QObject(AToolTip), m_toolTip(AToolTip)
{
    m_toolTip->installEventFilter(this);
}

ToolTipMover::~ToolTipMover()
{
    delete m_standIn.data();
}

void ToolTipMover::MoveTo(const QPoint& APosition)
{
    m_target = APosition;
    if (m_step != TStep::None || m_toolTip->pos() == APosition)
        return;
    if (!m_toolTip->isVisible() || ShownToolTipsMove())
        m_toolTip->move(APosition);
    else
        ShowStandIn();
}

void ToolTipMover::ShowStandIn()
{
    if (!m_standIn) {
        // A tool tip of the same owner, so that it is a popup of the same window.
        m_standIn = new QLabel(m_toolTip->parentWidget(), Qt::ToolTip | Qt::FramelessWindowHint |
                                                              Qt::WindowDoesNotAcceptFocus |
                                                              Qt::WindowTransparentForInput);
        m_standIn->setAttribute(Qt::WA_ShowWithoutActivating);
        m_standIn->installEventFilter(this);
    }
    m_step = TStep::StandInShowing;
    m_standIn->setPixmap(m_toolTip->grab());
    // What the tool tip shows now belongs to the new place: the old one keeps its picture until it goes.
    m_toolTip->setUpdatesEnabled(false);
    m_standIn->setGeometry(QRect(m_target, m_toolTip->size()));
    m_standIn->show();
}

void ToolTipMover::ShowToolTipAgain()
{
    if (m_step != TStep::StandInShowing)
        return;
    m_step = TStep::ToolTipShowing;
    m_hidingItself = true;
    m_toolTip->hide();
    m_hidingItself = false;
    m_toolTip->move(m_standIn->pos());
    m_toolTip->setUpdatesEnabled(true);
    m_toolTip->show();
}

void ToolTipMover::Finish()
{
    if (m_step != TStep::ToolTipShowing)
        return;
    m_step = TStep::None;
    m_standIn->hide();
    if (m_toolTip->isVisible() && m_target != m_toolTip->pos())
        ShowStandIn();
}

bool ToolTipMover::eventFilter(QObject* watched, QEvent* event)
{
    // Each step goes on once the window just shown has painted: queued, so it runs after the painting has
    // been handed to the compositor, with the next request in the same batch.
    if (event->type() == QEvent::Paint) {
        if (watched == m_standIn && m_step == TStep::StandInShowing)
            QMetaObject::invokeMethod(this, &ToolTipMover::ShowToolTipAgain, Qt::QueuedConnection);
        else if (watched == m_toolTip && m_step == TStep::ToolTipShowing)
            QMetaObject::invokeMethod(this, &ToolTipMover::Finish, Qt::QueuedConnection);
    } else if (event->type() == QEvent::Hide && watched == m_toolTip && !m_hidingItself && m_standIn) {
        // Hidden by its program, not by a step here: the stand-in goes with it.
        m_step = TStep::None;
        m_toolTip->setUpdatesEnabled(true);
        m_standIn->hide();
    }
    return false;
}
