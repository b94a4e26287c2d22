#include "app/TFMain.h"

#include "rules/EditRules.h"

namespace {

TEditState StateOf(const Edit* AField)
{
    return {AField->text(), AField->SelStart(), AField->SelLength()};
}

// Writing the text runs the field's change handler, so the figures are recalculated before the caret moves.
bool Apply(Edit* AField, const std::optional<TEditResult>& AEdit)
{
    if (!AEdit)
        return false;
    AField->setText(AEdit->Text);
    AField->setCursorPosition(AEdit->Caret);
    return true;
}

void Leave(Edit* AField, QString (*ALeaveText)(const QString&))
{
    if (AField->text().isEmpty())
        AField->setText(QStringLiteral("0"));
    AField->setText(ALeaveText(AField->text()));
}

} // namespace

void TFMain::TIntDepKeyPress(Edit* Sender, QChar Key)
{
    ApplyMoneyEdit(Sender, MoneyEdit(StateOf(Sender), TEditKey::Typed(Key)));
}

void TFMain::TIntDepKeyDown(Edit* Sender)
{
    ApplyMoneyEdit(Sender, MoneyEdit(StateOf(Sender), TEditKey::DeleteKey()));
}

void TFMain::ApplyMoneyEdit(Edit* Sender, const std::optional<TEditResult>& AEdit)
{
    // The regular deposit as last typed, to come back to after continuous compounding.
    if (Apply(Sender, AEdit) && Sender == TRegDep)
        PrevRegularDep = TRegDep->text();
}

void TFMain::TIntDepExit(Edit* Sender)
{
    Leave(Sender, MoneyLeaveText);
}

void TFMain::TIntRateKeyPress(Edit* Sender, QChar Key)
{
    Apply(Sender, RateEdit(StateOf(Sender), TEditKey::Typed(Key)));
}

void TFMain::TIntRateKeyDown(Edit* Sender)
{
    Apply(Sender, RateEdit(StateOf(Sender), TEditKey::DeleteKey()));
}

void TFMain::TIntRateExit(Edit* Sender)
{
    Leave(Sender, RateLeaveText);
}
