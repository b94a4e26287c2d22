#include "goal/TFGoal.h"

#include "access/AnnouncementAccessible.h"
#include "access/PausedAnnouncement.h"
#include "controls/FormSetup.h"
#include "goal/GoalWording.h"
#include "rules/EditRules.h"
#include "rules/MoneyText.h"

#include <QPushButton>

namespace {

// The window's money rules, over the range of totals.
void ApplyTargetKey(Edit* AField, TEditKey AKey)
{
    AField->applyEdit(MoneyEditUpTo(AField->editState(), AKey, MaxGoalTarget, ParseGroupedMoneyText));
}

} // namespace

TFGoal::TFGoal(const TGoalStart& AStart, QWidget* parent) : QDialog(parent), m_start(AStart)
{
    setFont(parent->font());
    setupUi(this);
    FinishForm(this);
    FixDialogSize(this);
    SetupControls();
    ConnectHandlers();
    TTarget->setText(MoneyLeaveTextUpTo(m_start.Total, MaxGoalTarget, ParseGroupedMoneyText));
    TTarget->selectAll();
    CChangeChange();
}

void TFGoal::SetupControls()
{
    m_apply = Buttons->addButton(QStringLiteral("Apply"), QDialogButtonBox::AcceptRole);
    m_apply->setDefault(true);
    // Worded like Apply and without the style's icon, which only the standard buttons would carry.
    Buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    // Regular deposits are not possible under continuous compounding, so they are not offered then.
    const QStringList items = GoalChangeItems();
    for (int change = 0; change < items.size(); ++change)
        if (!(change == int(TGoalChange::RegularDeposit) && m_start.Strategy.Continuous))
            CChange->addItem(items[change], change);
    seAfter->setMinValue(MinYears);
    seAfter->setMaxValue(MaxYears);
    seAfter->setValue(std::clamp(m_start.Strategy.Years, MinYears, MaxYears));
    // Wide enough for a long answer on one line, so the dialog keeps its size while the answer changes.
    lAnswer->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(
        "A regular deposit of $999,999 (Quarterly) gives total savings of $999,999,999 after 50 years.")));
    // Spoken as the window speaks its totals: once typing pauses.
    m_announcement = new PausedAnnouncement(
        this, [this] { return lAnswer->text(); },
        [this](const QString& AAnswer) { AnnouncementAccessible::announceFrom(this, AAnswer); });
}

void TFGoal::ConnectHandlers()
{
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(TTarget, &Edit::keyPress, this, &TFGoal::TTargetKeyPress);
    connect(TTarget, &Edit::deletePressed, this, &TFGoal::TTargetKeyDown);
    connect(TTarget, &Edit::exit, this, &TFGoal::TTargetExit);
    connect(TTarget, &Edit::change, this, &TFGoal::Solve);
    connect(CChange, &ComboBox::change, this, &TFGoal::CChangeChange);
    connect(seAfter, &SpinEdit::change, this, &TFGoal::Solve);
}

TFGoal::~TFGoal() = default;

TGoalChange TFGoal::Change() const
{
    return TGoalChange(CChange->currentData().toInt());
}

void TFGoal::TTargetKeyPress(Edit* Sender, QChar Key)
{
    ApplyTargetKey(Sender, TEditKey::Typed(Key));
}

void TFGoal::TTargetKeyDown(Edit* Sender)
{
    ApplyTargetKey(Sender, TEditKey::DeleteKey());
}

void TFGoal::TTargetExit(Edit* Sender)
{
    Sender->setText(MoneyLeaveTextUpTo(Sender->text(), MaxGoalTarget, ParseGroupedMoneyText));
}

void TFGoal::CChangeChange()
{
    seAfter->setEnabled(Change() != TGoalChange::NumberOfYears);
    Solve();
}

void TFGoal::Solve()
{
    TStrategyInputs strategy = m_start.Strategy;
    strategy.Years = seAfter->ValueInRange();
    m_answer = SolveGoal(strategy, Change(), ParseGroupedMoneyText(TTarget->text(), 0));
    lAnswer->setText(GoalAnswerText(Change(), m_answer, m_start.DepositFrequency));
    m_apply->setEnabled(m_answer.Reached);
    m_announcement->changed();
}
