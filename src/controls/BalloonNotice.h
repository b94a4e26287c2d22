#pragma once

#include <QLabel>

class QTimer;

// A small notice that pops up below a control without taking the focus. It goes by itself after a few
// seconds, at any mouse click in the program, when its window moves or is hidden, and when the program
// loses the focus; it belongs to that window, so it never outlives it.
class BalloonNotice : public QLabel
{
    Q_OBJECT

public:
    explicit BalloonNotice(QWidget* parent);

    void showAt(const QPoint& AGlobalPos, const QString& ATitle);
    void hideHint() { hide(); }

    static constexpr int ShownMilliseconds = 6000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer* m_hideTimer;
};
