#pragma once

#include <QAccessibleWidget>

// A WebLink as a screen reader hears it: a link named by the text it shows.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget* ALink);

    // For QAccessible::installFactory: the interface of every WebLink.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    QString text(QAccessible::Text AText) const override;
};
