#include "app/TFMain.h"

#include "rules/EditRules.h"

namespace {

void Leave(Edit* AField, QString (*ALeaveText)(const QString&))
{
    if (AField->text().isEmpty())
        AField->setText(QStringLiteral("0"));
    AField->setText(ALeaveText(AField->text()));
}

} // namespace

void TFMain::TIntDepKeyPress(Edit* Sender, QChar Key)
{
    ApplyMoneyEdit(Sender, MoneyEdit(Sender->editState(), TEditKey::Typed(Key)));
}

void TFMain::TIntDepKeyDown(Edit* Sender)
{
    ApplyMoneyEdit(Sender, MoneyEdit(Sender->editState(), TEditKey::DeleteKey()));
}

void TFMain::ApplyMoneyEdit(Edit* Sender, const std::optional<TEditResult>& AEdit)
{
    // Writing the text runs the field's change handler, so the figures are recalculated before the caret
    // moves. The regular deposit as last typed is kept, to come back to after continuous compounding.
    if (Sender->applyEdit(AEdit) && Sender == TRegDep)
        PrevRegularDep = TRegDep->text();
}

void TFMain::SetAmount(Edit* AField, std::int64_t AAmount)
{
    // Written in the field's normal form, as if typed and left: the change handler recalculates.
    const QString text = MoneyLeaveText(QString::number(AAmount));
    ApplyMoneyEdit(AField, TEditResult{text, int(text.size())});
}

void TFMain::TIntDepExit(Edit* Sender)
{
    Leave(Sender, MoneyLeaveText);
}

void TFMain::TIntRateKeyPress(Edit* Sender, QChar Key)
{
    Sender->applyEdit(RateEdit(Sender->editState(), TEditKey::Typed(Key)));
}

void TFMain::TIntRateKeyDown(Edit* Sender)
{
    Sender->applyEdit(RateEdit(Sender->editState(), TEditKey::DeleteKey()));
}

void TFMain::TIntRateExit(Edit* Sender)
{
    Leave(Sender, RateLeaveText);
}
