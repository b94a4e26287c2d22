#pragma once

#include <QAccessibleWidget>

// A WebLink as a screen reader hears it: a link named by the text it shows; a link that opens a menu
// (MenuLink) is a menu button, collapsed or expanded as its menu is shown.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget* ALink);

    // For QAccessible::installFactory: the interface of every WebLink.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    QString text(QAccessible::Text AText) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& AAction) override;
};
