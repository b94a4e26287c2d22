#pragma once

#include "ui_TFHint.h"

#include <QWidget>

class ToolTipMover;

// The small borderless window that follows the mouse over the bar graph with the figures of the year
// under it. It never takes the focus from the main window.
class TFHint : public QWidget, public Ui::TFHint
{
    Q_OBJECT

public:
    explicit TFHint(QWidget* parent = nullptr);
    ~TFHint() override;

    // The second side's initial deposit that means there is no second side.
    static constexpr long double NoSecondSide = -1;

    // Writes the figures of the year AYears and fits the window's width to them. An AAltInitialDeposit of
    // exactly NoSecondSide hides the second side; its other two figures are then not looked at.
    void SetParams(int AYears, long double AInitialDeposit, long double ARegularDeposits,
                   long double ATotalInterest, long double AAltInitialDeposit,
                   long double AAltRegularDeposits, long double AAltTotalInterest);
    // Puts the window's top-left corner at APosition (screen coordinates), also where the window system
    // cannot move a shown window.
    void MoveTo(const QPoint& APosition);
    // Shows the window where it stands, leaving the activation and the keyboard with the main window.
    void Show();

private:
    ToolTipMover* m_mover;
};

// The one hover window of the program, created hidden at start-up; null once it is gone.
extern TFHint* FHint;
