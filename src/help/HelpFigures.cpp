#include "help/HelpFigures.h"

#include "calc/Accumulation.h"
#include "numbers/text/FloatText.h"
#include "numbers/text/TextToNumber.h"
#include "rules/EditRules.h"
#include "rules/FrequencyCodes.h"
#include "rules/MoneyText.h"

namespace {

// A worked example as a user would set it up in the window: the lists' texts and the fields' values.
struct THelpExample
{
    QString Name;
    QString Deposits;    // the deposit-frequency list's text
    QString Compounding; // the compounding list's text
    std::int64_t Initial = 0;
    std::int64_t Regular = 0;
    std::int64_t RateHundredths = 0;
    std::int64_t InflationHundredths = 0;
    int Years = 1;
    std::int64_t StartLater = 0;
};

// The window's start values first; each other example changes what the text explains with it.
QList<THelpExample> HelpExamples()
{
    // name, deposits, compounding, initial, regular, rate and inflation in hundredths, years, start later
    return {
        {QStringLiteral("start"), FreqAnnually, FreqAnnually, 1000, 100, 500, 0, 10},
        {QStringLiteral("monthly"), FreqMonthly, FreqMonthly, 1000, 100, 500, 0, 10},
        {QStringLiteral("quarterly"), FreqMonthly, FreqQuarterly, 1000, 100, 500, 0, 10},
        // The alternative strategy's case: its compounding more frequent than the shared deposits.
        {QStringLiteral("blocks"), FreqQuarterly, FreqMonthly, 1000, 300, 500, 0, 1},
        {QStringLiteral("yearly-monthly"), FreqAnnually, FreqMonthly, 1000, 100, 500, 0, 10},
        {QStringLiteral("yearly-quarterly"), FreqAnnually, FreqQuarterly, 1000, 100, 500, 0, 10},
        {QStringLiteral("continuous"), FreqAnnually, FreqContinuous, 1000, 0, 500, 0, 10},
        {QStringLiteral("daily"), FreqAnnually, FreqDaily, 1000, 0, 500, 0, 10},
        {QStringLiteral("inflation"), FreqAnnually, FreqAnnually, 1000, 100, 500, 300, 10},
        {QStringLiteral("zero"), FreqAnnually, FreqAnnually, 1000, 100, 0, 300, 1},
        {QStringLiteral("shrink"), FreqAnnually, FreqAnnually, 1000, 0, 200, 1000, 20},
        {QStringLiteral("later"), FreqAnnually, FreqMonthly, 1000, 75, 500, 0, 4, 2},
    };
}

// The strategy the window computes for AExample, read from the texts as the window reads its controls.
TStrategyInputs Strategy(const THelpExample& AExample)
{
    const TCompoundFrequency code =
        CompoundFrequencyOfText(AExample.Compounding).value_or(TCompoundFrequency{});
    TStrategyInputs inputs;
    inputs.Rate = StrToFloatDef(RateText(AExample.RateHundredths), 0);
    inputs.Inflation = StrToFloatDef(RateText(AExample.InflationHundredths), 0);
    inputs.DepositsPerYear = DepositsPerYearOfItem(int(DepositFrequencyItems().indexOf(AExample.Deposits)));
    inputs.Periods = code.Periods;
    inputs.SubAnnual = code.SubAnnual;
    inputs.Continuous = IsContinuousText(AExample.Compounding);
    inputs.StartLater = AExample.StartLater;
    inputs.Initial = AExample.Initial;
    inputs.Regular = AExample.Regular;
    inputs.Years = AExample.Years;
    return inputs;
}

QString Money(Extended AValue)
{
    return CurrencyText(static_cast<long double>(AValue));
}

// A figure before rounding, to the cent.
QString ExactMoney(Extended AValue)
{
    return FloatToStrF(static_cast<long double>(AValue), TFloatFormat::ffCurrency, 18, 2);
}

void AddYear(QHash<QString, QString>& AFigures, const QString& APrefix, const TYearParts& AShown,
             const TYearParts& AExact)
{
    AFigures.insert(APrefix + QStringLiteral(".initial"), Money(AShown.Initial));
    AFigures.insert(APrefix + QStringLiteral(".regular"), Money(AShown.Regular));
    AFigures.insert(APrefix + QStringLiteral(".interest"), Money(AShown.Interest));
    AFigures.insert(APrefix + QStringLiteral(".total"), Money(ShownTotal(AShown)));
    AFigures.insert(APrefix + QStringLiteral(".interest-exact"), ExactMoney(AExact.Interest));
    AFigures.insert(APrefix + QStringLiteral(".balance-exact"),
                    ExactMoney(AExact.Initial + AExact.Regular + AExact.Interest));
}

void AddExample(QHash<QString, QString>& AFigures, const THelpExample& AExample)
{
    const QString name = AExample.Name + u'.';
    AFigures.insert(name + QStringLiteral("initial"), Money(Extended(AExample.Initial)));
    AFigures.insert(name + QStringLiteral("regular"), Money(Extended(AExample.Regular)));
    AFigures.insert(name + QStringLiteral("rate"), RateText(AExample.RateHundredths) + QStringLiteral(" %"));
    AFigures.insert(name + QStringLiteral("inflation"),
                    RateText(AExample.InflationHundredths) + QStringLiteral(" %"));
    AFigures.insert(name + QStringLiteral("years"), QString::number(AExample.Years));
    AFigures.insert(name + QStringLiteral("start-later"), QString::number(AExample.StartLater));
    AFigures.insert(name + QStringLiteral("deposits"), AExample.Deposits.toLower());
    AFigures.insert(name + QStringLiteral("compounding"), AExample.Compounding.toLower());

    const TStrategyInputs strategy = Strategy(AExample);
    const TStrategyResult result = AccumulateStrategy(strategy);
    for (int year = 1; year <= strategy.Years; ++year) {
        // The parts before rounding are those of a run that ends with the year.
        TStrategyInputs upTo = strategy;
        upTo.Years = year;
        const TYearParts exact = AccumulateStrategy(upTo).Final;
        const TYearParts& shown = result.Years[std::size_t(year - 1)];
        AddYear(AFigures, name + QStringLiteral("y%1").arg(year), shown, exact);
        if (year == strategy.Years)
            AddYear(AFigures, name + QStringLiteral("last"), shown, exact);
    }
    const std::vector<TPeriodStep> periods = FirstYearPeriods(strategy);
    for (std::size_t period = 0; period < periods.size(); ++period) {
        const QString prefix = name + QStringLiteral("p%1.").arg(period + 1);
        const TPeriodStep& step = periods[period];
        AFigures.insert(prefix + QStringLiteral("paid"), Money(step.Paid));
        AFigures.insert(prefix + QStringLiteral("earning"), Money(step.Earning));
        AFigures.insert(prefix + QStringLiteral("interest"), ExactMoney(step.Interest));
        AFigures.insert(prefix + QStringLiteral("interest-so-far"), ExactMoney(step.InterestSoFar));
    }
}

} // namespace

QHash<QString, QString> HelpFigures()
{
    QHash<QString, QString> figures{
        {QStringLiteral("limits.min-amount"), Money(0)},
        {QStringLiteral("limits.max-amount"), Money(Extended(MaxAmount))},
        {QStringLiteral("limits.min-rate"), RateText(0)},
        {QStringLiteral("limits.max-rate"), RateText(MaxRateHundredths)},
        {QStringLiteral("limits.rate-length"), QString::number(MaxTypedRateLength)},
        {QStringLiteral("limits.min-years"), QString::number(MinYears)},
        {QStringLiteral("limits.max-years"), QString::number(MaxYears)},
        {QStringLiteral("continuous-base"),
         FloatToStrF(static_cast<long double>(ContinuousBase()), TFloatFormat::ffNumber, 15, 5)},
    };
    const QStringList deposits = DepositFrequencyItems();
    for (int item = 0; item < deposits.size(); ++item)
        figures.insert(QStringLiteral("count.") + deposits[item].toLower(),
                       QString::number(DepositsPerYearOfItem(item)));
    for (const THelpExample& example : HelpExamples())
        AddExample(figures, example);
    return figures;
}
