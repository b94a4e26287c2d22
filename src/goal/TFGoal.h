#pragma once

#include "goal/GoalSolver.h"
#include "ui_TFGoal.h"

#include <QDialog>

class QPushButton;
class PausedAnnouncement;

// What the dialog starts from: the user's side as the window has it.
struct TGoalStart
{
    TStrategyInputs Strategy;
    QString DepositFrequency; // the deposit-frequency list's text
    QString Total;            // the window's "Total savings" figure
};

// "Reach a goal": the deposit, rate or number of years that makes the user's total savings reach a target.
// The answer follows every keystroke; Apply accepts the dialog with it.
class TFGoal : public QDialog, private Ui::TFGoal
{
    Q_OBJECT

public:
    TFGoal(const TGoalStart& AStart, QWidget* parent);
    ~TFGoal() override;

    TGoalChange Change() const;
    const TGoalAnswer& Answer() const { return m_answer; }

private:
    void SetupControls();
    void ConnectHandlers();
    void TTargetKeyPress(Edit* Sender, QChar Key);
    void TTargetKeyDown(Edit* Sender);
    void TTargetExit(Edit* Sender);
    void CChangeChange();
    void Solve();

    TGoalStart m_start;
    TGoalAnswer m_answer;
    QPushButton* m_apply = nullptr;
    PausedAnnouncement* m_announcement = nullptr;
};
