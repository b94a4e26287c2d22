#pragma once

#include <QLabel>

// A small notice that pops up below a control without taking the focus, and goes when hidden or clicked.
class BalloonNotice : public QLabel
{
    Q_OBJECT

public:
    explicit BalloonNotice(QWidget* parent = nullptr);

    void showAt(const QPoint& AGlobalPos, const QString& ATitle);
    void hideHint() { hide(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
