#include "app/TFMain.h"

#include "calc/Accumulation.h"
#include "goal/TFGoal.h"
#include "rules/EditRules.h"

void TFMain::LinkGoalLinkClick()
{
    TFGoal dialog({UserStrategy(), CDefFreq->currentText(), lTotal1val->text()}, this);
    if (dialog.exec() == QDialog::Accepted && dialog.Answer().Reached)
        ApplyGoal(dialog.Change(), dialog.Answer().Value);
}

void TFMain::ApplyGoal(TGoalChange AChange, std::int64_t AValue)
{
    // Written in each field's normal form, as if typed and left: the change handlers recalculate.
    switch (AChange) {
    case TGoalChange::RegularDeposit:
        SetAmount(TRegDep, AValue);
        break;
    case TGoalChange::InitialDeposit:
        SetAmount(TIntDep, AValue);
        break;
    case TGoalChange::InterestRate:
        TIntRate->setText(RateLeaveText(RateText(AValue)));
        break;
    case TGoalChange::NumberOfYears:
        seYears->setValue(int(AValue));
        break;
    }
}
