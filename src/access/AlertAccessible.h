#pragma once

#include <QAccessibleWidget>

// A notice read as an alert: its text is what a screen reader says when it shows.
class AlertAccessible : public QAccessibleWidget
{
public:
    explicit AlertAccessible(QWidget* ANotice);

    // For QAccessible::installFactory: the interface of every BalloonNotice.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);
    // Tells assistive technology the notice has just shown. Qt keeps quiet about windows of the tool-tip
    // kind, and a screen reader hears nothing of an alert it is not told of.
    static void announceShown(QWidget* ANotice);

    QString text(QAccessible::Text AText) const override;
};
