#include "goal/GoalWording.h"

#include "rules/EditRules.h"
#include "rules/MoneyText.h"

namespace {

QString YearsText(int AYears)
{
    return AYears == 1 ? QStringLiteral("1 year") : QStringLiteral("%1 years").arg(AYears);
}

// The changed input with its value, as the sentence names it ("a regular deposit of $412").
QString ValuePhrase(TGoalChange AChange, std::int64_t AValue)
{
    switch (AChange) {
    case TGoalChange::RegularDeposit:
        return QStringLiteral("a regular deposit of ") + CurrencyText(static_cast<long double>(AValue));
    case TGoalChange::InitialDeposit:
        return QStringLiteral("an initial deposit of ") + CurrencyText(static_cast<long double>(AValue));
    case TGoalChange::InterestRate:
    case TGoalChange::NumberOfYears:
        break;
    }
    return QStringLiteral("an interest rate of ") + RateText(AValue) + QStringLiteral(" %");
}

QString Capitalised(QString AText)
{
    if (!AText.isEmpty())
        AText[0] = AText[0].toUpper();
    return AText;
}

} // namespace

QStringList GoalChangeItems()
{
    return {QStringLiteral("Regular deposit"), QStringLiteral("Initial deposit"),
            QStringLiteral("Interest rate"), QStringLiteral("Number of years")};
}

QString GoalAnswerText(TGoalChange AChange, const TGoalAnswer& AAnswer, const QString& ADepositFrequency)
{
    const QString total = CurrencyText(static_cast<long double>(AAnswer.Total));
    const QString after = YearsText(AAnswer.Years);
    if (AChange == TGoalChange::NumberOfYears) {
        const QString sentence = QStringLiteral("after %1 the total savings are %2.").arg(after, total);
        return AAnswer.Reached ? Capitalised(sentence) : QStringLiteral("Not reachable: ") + sentence;
    }
    const QString value = ValuePhrase(AChange, AAnswer.Value);
    if (!AAnswer.Reached)
        return QStringLiteral("Not reachable: %1 gives %2 after %3.").arg(value, total, after);
    const QString frequency =
        AChange == TGoalChange::RegularDeposit ? QStringLiteral(" (%1)").arg(ADepositFrequency) : QString();
    return QStringLiteral("%1%2 gives total savings of %3 after %4.")
        .arg(Capitalised(value), frequency, total, after);
}
