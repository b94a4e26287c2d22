#include "app/TFMain.h"

#include "rules/EditRules.h"
#include "rules/FrequencyCodes.h"
#include "rules/InputLimits.h"
#include "rules/MoneyText.h"

namespace {

// A money field's amount as it reads once left, so a text being typed counts as it will stand.
std::int64_t AmountOf(const Edit* AField)
{
    return ParseMoneyText(MoneyLeaveText(AField->text()), 0);
}

TComparison ComparisonOf(const QCheckBox* AAlternative, const QCheckBox* AWithoutInflation)
{
    if (AAlternative->isChecked())
        return TComparison::Alternative;
    return AWithoutInflation->isChecked() ? TComparison::WithoutInflation : TComparison::None;
}

} // namespace

TPlan TFMain::PlanOfWindow() const
{
    QStringList offered;
    for (int item = 0; item < CcompFreq->count(); ++item)
        offered.append(CcompFreq->itemText(item));
    const bool continuous = IsContinuousText(CcompFreq->currentText());
    TPlan plan;
    plan.InitialDeposit = AmountOf(TIntDep);
    plan.RegularDeposit = AmountOf(TRegDep);
    plan.DepositFrequency = CDefFreq->currentText();
    // Until a deposit frequency is chosen, the compounding list offers every frequency with yearly deposits.
    plan.DepositFrequencyChosen = CDefFreq->currentIndex() != 0 || offered != CompoundFrequencyItems();
    plan.Compounding = CcompFreq->currentText();
    // Continuous compounding picked from the list turns the deposits off, and their list with them.
    plan.ContinuousKeepsDeposits = continuous && CDefFreq->isEnabled();
    plan.RateHundredths = RateHundredths(TIntRate->text());
    plan.Years = seYears->ValueInRange();
    plan.AdjustForInflation = chInflation->isChecked();
    plan.InflationHundredths = RateHundredths(TInflation->text());
    plan.Comparison = ComparisonOf(chAlternative, chInflationCompare);
    plan.AlternativeRegularDeposit = AmountOf(TAltdep);
    plan.AlternativeCompounding = CAltFreq->currentText();
    plan.StartLater = TB->value();
    plan.Page = TResultsPage(PageControl->currentIndex());
    plan.ShowMarks = chMarks->isChecked();
    return plan;
}

void TFMain::ApplyPlan(const TPlan& APlan)
{
    // From any state to the plan's through the handlers the user's own actions run: first out of continuous
    // compounding and back to yearly compounding, which every deposit frequency offers, then the rest in the
    // order in which each control's handler finds the ones it depends on already set.
    LeaveContinuous();
    ChooseCompounding(FreqAnnually);
    SetAmount(TIntDep, APlan.InitialDeposit);
    SetAmount(TRegDep, APlan.RegularDeposit);
    TIntRate->setText(RateText(APlan.RateHundredths));
    TInflation->setText(RateText(APlan.InflationHundredths));
    SetAmount(TAltdep, APlan.AlternativeRegularDeposit);
    seYears->setValue(APlan.Years);
    TB->setValue(APlan.StartLater);
    const int deposits = int(DepositFrequencyItems().indexOf(APlan.DepositFrequency));
    if (APlan.ContinuousKeepsDeposits) {
        // Compounding turns continuous by itself when deposits become less frequent than it.
        ChooseDeposits(DepositFrequencyItems().size() - 1);
        ChooseCompounding(FreqDaily);
        ChooseDeposits(deposits);
    } else {
        if (APlan.DepositFrequencyChosen)
            ChooseDeposits(deposits);
        else
            OfferEveryCompounding();
        ChooseCompounding(APlan.Compounding);
    }
    if (CAltFreq->currentText() != APlan.AlternativeCompounding) {
        CAltFreq->setCurrentIndex(CAltFreq->findText(APlan.AlternativeCompounding));
        CAltFreqChange();
    }
    chInflation->setChecked(APlan.AdjustForInflation);
    chAlternative->setChecked(APlan.Comparison == TComparison::Alternative);
    chInflationCompare->setChecked(APlan.Comparison == TComparison::WithoutInflation);
    PageControl->setCurrentIndex(int(APlan.Page));
    chMarks->setChecked(APlan.ShowMarks);
}

// Picking any other compounding leaves continuous compounding picked from the list, and gives the regular
// deposit back.
void TFMain::LeaveContinuous()
{
    if (IsContinuousText(CcompFreq->currentText()) && !CDefFreq->isEnabled()) {
        CcompFreq->setCurrentIndex(0);
        CcompFreqChange();
    }
}

void TFMain::ChooseDeposits(int AItem)
{
    CDefFreq->setCurrentIndex(AItem);
    CDefFreqChange();
}

// As the user picks it: the handler runs only when the choice changes.
void TFMain::ChooseCompounding(const QString& AText)
{
    const int item = CcompFreq->findText(AText);
    if (item < 0 || item == CcompFreq->currentIndex())
        return;
    CcompFreq->setCurrentIndex(item);
    CcompFreqChange();
}
