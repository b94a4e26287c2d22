#include "plan/PlanReader.h"

#include "numbers/text/TextFunctions.h"
#include "plan/PlanFormat.h"
#include "rules/CompoundOffer.h"
#include "rules/FrequencyCodes.h"
#include "rules/InputLimits.h"
#include "rules/MoneyText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

using namespace PlanFormat;

namespace {

// A problem found, or none.
using TCheck = std::optional<QString>;

// A text from the file as a message shows it: cut short, so that a huge value cannot flood the message.
QString Shortened(const QString& AText)
{
    constexpr int MaxShown = 24;
    return AText.size() > MaxShown ? AText.left(MaxShown) + QStringLiteral("…") : AText;
}

QString Quoted(const QString& AText)
{
    return u'"' + Shortened(AText) + u'"';
}

QString NumberText(double AValue)
{
    return QString::number(AValue, 'g', 15);
}

bool IsWhole(double AValue)
{
    return std::isfinite(AValue) && AValue == std::floor(AValue);
}

// An amount beyond the range in currency form while it reads well so ("$1,000,000"), else as a number.
QString AmountShown(double AAmount)
{
    return IsWhole(AAmount) && AAmount < 1e15 ? CurrencyText(AAmount) : NumberText(AAmount);
}

// A part of the plan: absent, it is empty and every key in it keeps its start-up value.
TCheck ReadSection(const QJsonObject& ARoot, const QString& AKey, QJsonObject& ASection)
{
    const QJsonValue value = ARoot.value(AKey);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isObject())
        return QStringLiteral("The plan's \"%1\" is not a group of settings in { }.").arg(AKey);
    ASection = value.toObject();
    return std::nullopt;
}

TCheck ReadAmount(const QJsonObject& AObject, const QString& AKey, const QString& AName,
                  std::int64_t& AAmount)
{
    const QJsonValue value = AObject.value(AKey);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isDouble())
        return QStringLiteral("The %1 must be a whole amount, such as 1000.").arg(AName);
    const double amount = value.toDouble();
    if (amount < 0)
        return QStringLiteral("The %1 %2 is below 0.").arg(AName, NumberText(amount));
    if (!(amount <= double(MaxAmount)))
        return QStringLiteral("The %1 %2 is above %3.")
            .arg(AName, AmountShown(amount), CurrencyText(static_cast<long double>(MaxAmount)));
    if (!IsWhole(amount))
        return QStringLiteral("The %1 %2 is not a whole amount.").arg(AName, NumberText(amount));
    AAmount = std::int64_t(amount);
    return std::nullopt;
}

// The digits of a decimal text before and after its point, the whole number's leading zeros left out; none
// for a text that is not digits with at most one point, or has no digit at all.
struct TDecimal
{
    QStringView Whole;
    QStringView Decimals;
};

std::optional<TDecimal> DecimalOf(QStringView AText)
{
    const qsizetype point = AText.indexOf(u'.');
    QStringView whole = point < 0 ? AText : AText.left(point);
    const QStringView decimals = point < 0 ? QStringView() : AText.mid(point + 1);
    const auto digits = [](QStringView APart) {
        return std::all_of(APart.begin(), APart.end(),
                           [](QChar AChar) { return AChar >= u'0' && AChar <= u'9'; });
    };
    if (!digits(whole) || !digits(decimals) || whole.size() + decimals.size() == 0)
        return std::nullopt;
    while (whole.startsWith(u'0'))
        whole = whole.mid(1);
    return TDecimal{whole, decimals};
}

// A rate as the field shows it once left: digits with at most two decimals, 0 to 99.99.
TCheck ReadRate(const QJsonObject& AObject, const QString& AKey, const QString& AName,
                std::int64_t& AHundredths)
{
    const QJsonValue value = AObject.value(AKey);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isString())
        return QStringLiteral("The %1 must be text such as \"5.00\".").arg(AName);
    const QString text = value.toString();
    const std::optional<TDecimal> decimal = DecimalOf(text);
    if (!decimal)
        return QStringLiteral("The %1 %2 is not a number such as \"5.00\".").arg(AName, Quoted(text));
    const QStringView whole = decimal->Whole;
    const QStringView decimals = decimal->Decimals;
    const QString maximum = QStringLiteral("%1.%2")
                                .arg(MaxRateHundredths / 100)
                                .arg(MaxRateHundredths % 100, 2, 10, QLatin1Char('0'));
    if (whole.size() > 2)
        return QStringLiteral("The %1 %2 is above %3.").arg(AName, Shortened(text), maximum);
    if (decimals.size() > 2)
        return QStringLiteral("The %1 %2 has more than two decimals.").arg(AName, Quoted(text));
    const std::int64_t hundredths =
        whole.toLongLong() * 100 + decimals.toString().leftJustified(2, u'0').toLongLong();
    if (hundredths > MaxRateHundredths)
        return QStringLiteral("The %1 %2 is above %3.").arg(AName, text, maximum);
    AHundredths = hundredths;
    return std::nullopt;
}

TCheck ReadWhole(const QJsonObject& AObject, const QString& AKey, const QString& AName, int AMinimum,
                 int AMaximum, int& AWhole)
{
    const QJsonValue value = AObject.value(AKey);
    if (value.isUndefined())
        return std::nullopt;
    const double number = value.toDouble();
    if (!value.isDouble())
        return QStringLiteral("%1 must be a whole number.").arg(AName);
    if (number < AMinimum)
        return QStringLiteral("%1 %2 is below %3.").arg(AName, NumberText(number)).arg(AMinimum);
    if (number > AMaximum)
        return QStringLiteral("%1 %2 is above %3.").arg(AName, NumberText(number)).arg(AMaximum);
    if (!IsWhole(number))
        return QStringLiteral("%1 %2 is not a whole number.").arg(AName, NumberText(number));
    AWhole = int(number);
    return std::nullopt;
}

TCheck ReadBool(const QJsonObject& AObject, const QString& AKey, bool& AFlag)
{
    const QJsonValue value = AObject.value(AKey);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isBool())
        return QStringLiteral("The plan's \"%1\" must be true or false.").arg(AKey);
    AFlag = value.toBool();
    return std::nullopt;
}

// One of AChoices, compared as the window compares list texts (ignoring case), kept as the choice is written.
TCheck ReadChoice(const QJsonObject& AObject, const QString& AKey, const QString& AName,
                  const QStringList& AChoices, QString& AChoice)
{
    const QJsonValue value = AObject.value(AKey);
    if (value.isUndefined())
        return std::nullopt;
    const QString listed = AChoices.join(QStringLiteral(", "));
    if (!value.isString())
        return QStringLiteral("The %1 must be text, one of %2.").arg(AName, listed);
    for (const QString& choice : AChoices)
        if (CompareText(choice, value.toString()) == 0) {
            AChoice = choice;
            return std::nullopt;
        }
    return QStringLiteral("The %1 %2 is not one of %3.").arg(AName, Quoted(value.toString()), listed);
}

TCheck ReadVersion(const QJsonObject& ARoot)
{
    const QJsonValue value = ARoot.value(VersionKey);
    if (!value.isDouble() || !IsWhole(value.toDouble()) || value.toDouble() < 1)
        return QStringLiteral("The plan has no version Pelvantor knows.");
    if (value.toDouble() > Version)
        return QStringLiteral(
                   "The plan was saved by a newer Pelvantor (plan version %1); this one reads version %2.")
            .arg(NumberText(value.toDouble()))
            .arg(Version);
    return std::nullopt;
}

// What the values say together, as the window's own controls hold them together.
TCheck CheckTogether(TPlan& APlan)
{
    const int deposits = int(DepositFrequencyItems().indexOf(APlan.DepositFrequency));
    // Deposits other than yearly can only have been chosen.
    APlan.DepositFrequencyChosen = APlan.DepositFrequencyChosen || deposits > 0;
    if (APlan.DepositFrequencyChosen && !CompoundItemsForDeposits(deposits).contains(APlan.Compounding))
        return QStringLiteral("%1 compounding is not offered with %2 deposits.")
            .arg(APlan.Compounding, APlan.DepositFrequency);
    const bool continuous = APlan.Compounding == FreqContinuous;
    APlan.ContinuousKeepsDeposits = APlan.ContinuousKeepsDeposits && continuous;
    if (APlan.ContinuousKeepsDeposits &&
        (!APlan.DepositFrequencyChosen || APlan.DepositFrequency == FreqDaily))
        return QStringLiteral(
                   "Compounding turns continuous by itself only when deposits become less frequent "
                   "than the compounding was; with %1 deposits it cannot.")
            .arg(APlan.DepositFrequency);
    if (continuous && !APlan.ContinuousKeepsDeposits && APlan.RegularDeposit != 0)
        return QStringLiteral("Continuous compounding takes no regular deposit, but the plan has %1.")
            .arg(CurrencyText(static_cast<long double>(APlan.RegularDeposit)));
    if (APlan.StartLater >= APlan.Years)
        return QStringLiteral("Start later %1 years is not below the number of years, %2.")
            .arg(APlan.StartLater)
            .arg(APlan.Years);
    if (APlan.Comparison == TComparison::WithoutInflation && !APlan.AdjustForInflation)
        return QStringLiteral(
            "Inflation adjusted values can be compared only while adjusting for inflation.");
    return std::nullopt;
}

} // namespace

TPlanReading ReadPlan(const QByteArray& AData, const TPlan& AStartUp)
{
    if (AData.trimmed().isEmpty())
        return QStringLiteral("The file is empty.");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(AData, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("The file is not a Pelvantor plan: it is not JSON text.");
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(Format).toString() != FormatName)
        return QStringLiteral("The file is not a Pelvantor plan.");
    if (const TCheck version = ReadVersion(root))
        return *version;

    QJsonObject strategy, inflation, alternative, view;
    for (const TCheck& check :
         {ReadSection(root, Strategy, strategy), ReadSection(root, Inflation, inflation),
          ReadSection(root, Alternative, alternative), ReadSection(root, View, view)})
        if (check)
            return *check;

    TPlan plan = AStartUp;
    QString comparison = Comparisons[int(plan.Comparison)];
    QString page = Pages[int(plan.Page)];
    const std::initializer_list<TCheck> checks{
        ReadAmount(strategy, InitialDeposit, QStringLiteral("initial deposit"), plan.InitialDeposit),
        ReadAmount(strategy, RegularDeposit, QStringLiteral("regular deposit"), plan.RegularDeposit),
        ReadChoice(strategy, DepositFrequency, QStringLiteral("deposit frequency"), DepositFrequencyItems(),
                   plan.DepositFrequency),
        ReadBool(strategy, DepositFrequencyChosen, plan.DepositFrequencyChosen),
        ReadChoice(strategy, Compounding, QStringLiteral("compound frequency"), CompoundFrequencyItems(),
                   plan.Compounding),
        ReadBool(strategy, ContinuousKeepsDeposits, plan.ContinuousKeepsDeposits),
        ReadRate(strategy, InterestRate, QStringLiteral("interest rate"), plan.RateHundredths),
        ReadWhole(strategy, Years, QStringLiteral("The number of years"), MinYears, MaxYears, plan.Years),
        ReadBool(inflation, Adjust, plan.AdjustForInflation),
        ReadRate(inflation, Rate, QStringLiteral("inflation rate"), plan.InflationHundredths),
        ReadChoice(root, CompareWith, QStringLiteral("comparison"), Comparisons, comparison),
        ReadAmount(alternative, RegularDeposit, QStringLiteral("alternative strategy's regular deposit"),
                   plan.AlternativeRegularDeposit),
        ReadChoice(alternative, Compounding, QStringLiteral("alternative strategy's compound frequency"),
                   DepositFrequencyItems(), plan.AlternativeCompounding),
        ReadWhole(alternative, StartLater, QStringLiteral("Start later"), 0, MaxYears - 1, plan.StartLater),
        ReadChoice(view, Page, QStringLiteral("page"), Pages, page),
        ReadBool(view, ShowMarks, plan.ShowMarks),
    };
    for (const TCheck& check : checks)
        if (check)
            return *check;
    plan.Comparison = TComparison(Comparisons.indexOf(comparison));
    plan.Page = TResultsPage(Pages.indexOf(page));
    if (const TCheck together = CheckTogether(plan))
        return *together;
    return plan;
}
