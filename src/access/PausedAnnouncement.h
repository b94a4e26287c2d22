#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QTimer;

// A text that changes at every keystroke, told to a screen reader once the changes pause: long enough to
// span the keystrokes of a number typed in one go, short enough to be heard within a second. A text equal
// to the one last told is not told again, and the first is taken as heard: it stands before the user has
// changed anything.
class PausedAnnouncement : public QObject
{
    Q_OBJECT

public:
    // ATextOf gives the text as it stands now; ATell tells it.
    PausedAnnouncement(QObject* AParent, std::function<QString()> ATextOf,
                       std::function<void(const QString&)> ATell);

    // The text may have changed: it is told when no further change comes within the pause.
    void changed();
    // Whether a change waits for the pause to end.
    bool pending() const;

private:
    void tell();

    std::function<QString()> m_textOf;
    std::function<void(const QString&)> m_tell;
    QTimer* m_pause = nullptr;
    std::optional<QString> m_heard;
};
