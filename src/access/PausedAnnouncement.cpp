#include "access/PausedAnnouncement.h"

#include <QTimer>

namespace {
constexpr int PauseMs = 500;
} // namespace

PausedAnnouncement::PausedAnnouncement(QObject* AParent, std::function<QString()> ATextOf,
                                       std::function<void(const QString&)> ATell)
    : QObject(AParent), m_textOf(std::move(ATextOf)), m_tell(std::move(ATell)), m_pause(new QTimer(this))
{
    m_pause->setSingleShot(true);
    m_pause->setInterval(PauseMs);
    connect(m_pause, &QTimer::timeout, this, &PausedAnnouncement::tell);
}

void PausedAnnouncement::changed()
{
    if (!m_heard)
        m_heard = m_textOf();
    else
        m_pause->start();
}

bool PausedAnnouncement::pending() const
{
    return m_pause->isActive();
}

void PausedAnnouncement::tell()
{
    const QString text = m_textOf();
    if (text == m_heard)
        return;
    m_heard = text;
    m_tell(text);
}
