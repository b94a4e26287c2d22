#pragma once

#include <QAccessibleWidget>

class QStatusBar;

// A status bar as a screen reader finds it: its controls, then one announcement (AnnouncementAccessible).
class StatusAccessible : public QAccessibleWidget
{
public:
    explicit StatusAccessible(QStatusBar* ABar);
    ~StatusAccessible() override;

    // For QAccessible::installFactory: the interface of every status bar.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    QAccessibleInterface* announcement() const;

    int childCount() const override;
    QAccessibleInterface* child(int AIndex) const override;
    int indexOfChild(const QAccessibleInterface* AChild) const override;

private:
    QAccessible::Id m_announcement;
};
