#pragma once

#include "access/LeafAccessible.h"

#include <QPointer>

class QStatusBar;
class QWidget;

// A status message that is heard, not shown: a notification in the window's status bar whose name is the
// last message. Orca speaks a notification when it shows, after whatever it is saying (politely), and
// without the word "notification" when it stands in a status bar. Qt 6.4 has no announcement event.
class AnnouncementAccessible : public LeafAccessible
{
public:
    explicit AnnouncementAccessible(QStatusBar* ABar);

    // Tells assistive technology AText through ABar's announcement (StatusAccessible). Messages of one
    // user action are told together, in order: a screen reader reads the message only once the action is
    // over, when a second message would have replaced the first.
    static void announce(QStatusBar* ABar, const QString& AText);
    // The same, through the status bar of the window AControl stands in or pops up from.
    static void announceFrom(QWidget* AControl, const QString& AText);

    bool isValid() const override { return !m_bar.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text AText) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    QPointer<QStatusBar> m_bar;
    QString m_message;
    bool m_joining = false;
};
