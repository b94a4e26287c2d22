#pragma once

#include <QLabel>
#include <QPointer>

// Whether a shown tool-tip window goes where it is moved. X11 and Windows move any window. A Wayland
// compositor places a tool tip as a popup of its parent window, and moves a shown one only when asked with
// xdg_popup.reposition: Qt asks from 6.8 on, and the request exists from xdg_wm_base version 3 on.
bool ShownToolTipsMove();

// Moves a tool-tip window, also where a shown one cannot move. There it is shown anew at its new place,
// without a frame that shows it nowhere: a stand-in with its look appears at the new place first, the
// tool tip leaves the old place at once and comes back under the stand-in, and the stand-in goes once the
// tool tip has drawn itself. Neither takes the focus or the pointer. Movements made meanwhile are
// gathered into the next such step.
class ToolTipMover : public QObject
{
    Q_OBJECT

public:
    explicit ToolTipMover(QWidget* AToolTip);
    ~ToolTipMover() override;

    void MoveTo(const QPoint& APosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TStep
    {
        None,
        StandInShowing,
        ToolTipShowing
    };

    void ShowStandIn();
    void ShowToolTipAgain();
    void Finish();

    QWidget* m_toolTip;
    QPointer<QLabel> m_standIn;
    QPoint m_target;
    TStep m_step = TStep::None;
    bool m_hidingItself = false;
};
