#include "calc/Accumulation.h"
#include "help/HelpFigures.h"
#include "help/HelpText.h"
#include "numbers/text/FloatText.h"
#include "numbers/text/TextToNumber.h"
#include "rules/EditRules.h"
#include "rules/FrequencyCodes.h"
#include "rules/MoneyText.h"

#include <QRegularExpression>
#include <QTest>

// Every figure the help states against what the calculation gives for the inputs the help states with it,
// and no figure typed into the text by hand.
class TestHelpText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statedFiguresMatchCalculation_data();
    void statedFiguresMatchCalculation();
    void noFigureTypedByHand();
    void linksLandOnSections();
};

namespace {

// The strategy of the example APrefix ("blocks.") read back from the inputs the help states for it.
TStrategyInputs StatedStrategy(const QHash<QString, QString>& AFigures, const QString& APrefix)
{
    const auto stated = [&](const char* AInput) { return AFigures.value(APrefix + QLatin1String(AInput)); };
    const auto rate = [&](const char* AInput) {
        return StrToFloatDef(stated(AInput).remove(QStringLiteral(" %")), -1);
    };
    const QString compounding = stated("compounding");
    const TCompoundFrequency code =
        CompoundFrequencyOfText(compounding).value_or(TCompoundFrequency{0, false});
    TStrategyInputs inputs;
    inputs.Rate = rate("rate");
    inputs.Inflation = rate("inflation");
    const QStringList deposits = DepositFrequencyItems();
    for (int item = 0; item < deposits.size(); ++item)
        if (deposits[item].compare(stated("deposits"), Qt::CaseInsensitive) == 0)
            inputs.DepositsPerYear = DepositsPerYearOfItem(item);
    inputs.Periods = code.Periods;
    inputs.SubAnnual = code.SubAnnual;
    inputs.Continuous = IsContinuousText(compounding);
    inputs.StartLater = stated("start-later").toInt();
    inputs.Initial = ParseMoneyText(stated("initial"), -1);
    inputs.Regular = ParseMoneyText(stated("regular"), -1);
    inputs.Years = stated("years").toInt();
    return inputs;
}

QString Money(Extended AValue)
{
    return CurrencyText(static_cast<long double>(AValue));
}

QString Cents(Extended AValue)
{
    return FloatToStrF(static_cast<long double>(AValue), TFloatFormat::ffCurrency, 18, 2);
}

// What the calculation gives for the figure AName ("start.y2.interest", "blocks.p3.paid"); no value for an
// input the help states, which the others are computed from.
std::optional<QString> Calculated(const QHash<QString, QString>& AFigures, const QString& AName)
{
    static const QRegularExpression yearFigure(QStringLiteral("^(.+\\.)(?:y(\\d+)|last)\\.([a-z-]+)$"));
    static const QRegularExpression periodFigure(QStringLiteral("^(.+\\.)p(\\d+)\\.([a-z-]+)$"));
    if (const auto match = yearFigure.match(AName); match.hasMatch()) {
        TStrategyInputs strategy = StatedStrategy(AFigures, match.captured(1));
        if (!match.captured(2).isEmpty())
            strategy.Years = match.captured(2).toInt();
        const TYearParts shown = AccumulateStrategy(strategy).Years.back();
        const TYearParts exact = AccumulateStrategy(strategy).Final;
        const QHash<QString, QString> parts{
            {QStringLiteral("initial"), Money(shown.Initial)},
            {QStringLiteral("regular"), Money(shown.Regular)},
            {QStringLiteral("interest"), Money(shown.Interest)},
            {QStringLiteral("total"), Money(ShownTotal(shown))},
            {QStringLiteral("interest-exact"), Cents(exact.Interest)},
            {QStringLiteral("balance-exact"), Cents(exact.Initial + exact.Regular + exact.Interest)}};
        return parts.value(match.captured(3), QStringLiteral("no such part"));
    }
    if (const auto match = periodFigure.match(AName); match.hasMatch()) {
        const std::vector<TPeriodStep> periods =
            FirstYearPeriods(StatedStrategy(AFigures, match.captured(1)));
        const std::size_t period = match.captured(2).toUInt();
        if (period < 1 || period > periods.size())
            return QStringLiteral("no such period");
        const TPeriodStep& step = periods[period - 1];
        const QHash<QString, QString> parts{{QStringLiteral("paid"), Money(step.Paid)},
                                            {QStringLiteral("earning"), Money(step.Earning)},
                                            {QStringLiteral("interest"), Cents(step.Interest)},
                                            {QStringLiteral("interest-so-far"), Cents(step.InterestSoFar)}};
        return parts.value(match.captured(3), QStringLiteral("no such part"));
    }
    const QHash<QString, QString> fixed{
        {QStringLiteral("limits.min-amount"), Money(0)},
        {QStringLiteral("limits.max-amount"), Money(Extended(MaxAmount))},
        {QStringLiteral("limits.min-rate"), RateLeaveText(QStringLiteral("0"))},
        {QStringLiteral("limits.max-rate"), RateLeaveText(QString::number(double(MaxRate)))},
        {QStringLiteral("limits.rate-length"), QString::number(MaxTypedRateLength)},
        {QStringLiteral("limits.min-years"), QString::number(MinYears)},
        {QStringLiteral("limits.max-years"), QString::number(MaxYears)},
        {QStringLiteral("continuous-base"),
         FloatToStrF(static_cast<long double>(ContinuousBase()), TFloatFormat::ffNumber, 15, 5)},
        {QStringLiteral("count.annually"), QString::number(CompoundFrequencyOfText(FreqAnnually)->Periods)},
        {QStringLiteral("count.quarterly"), QString::number(CompoundFrequencyOfText(FreqQuarterly)->Periods)},
        {QStringLiteral("count.monthly"), QString::number(CompoundFrequencyOfText(FreqMonthly)->Periods)},
        {QStringLiteral("count.weekly"), QString::number(CompoundFrequencyOfText(FreqWeekly)->Periods)},
        {QStringLiteral("count.daily"), QString::number(CompoundFrequencyOfText(FreqDaily)->Periods)}};
    if (fixed.contains(AName))
        return fixed.value(AName);
    return std::nullopt;
}

} // namespace

void TestHelpText::statedFiguresMatchCalculation_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("calculated");
    const QHash<QString, QString> figures = HelpFigures();
    const QString source = HelpSource();
    // A figure is stated by its own placeholder or by the table row it stands in ("start.y2").
    const auto stated = [&source](const QString& AName) {
        return source.contains(QStringLiteral("{{%1}}").arg(AName)) ||
               source.contains(QStringLiteral("{{%1}}").arg(AName.section(u'.', 0, -2)));
    };
    QStringList names = figures.keys();
    names.sort();
    for (const QString& name : names)
        if (const std::optional<QString> calculated = Calculated(figures, name); calculated && stated(name))
            QTest::newRow(qPrintable(name)) << figures.value(name) << *calculated;
}

void TestHelpText::statedFiguresMatchCalculation()
{
    QFETCH(QString, figure);
    QFETCH(QString, calculated);
    QCOMPARE(figure, calculated);
}

void TestHelpText::noFigureTypedByHand()
{
    const QString html = HelpHtml(QStringLiteral("https://www.pelvantor.example"));
    QVERIFY2(!html.contains(QStringLiteral("{{")), "every placeholder is filled");
    QString text = HelpSource();
    // What a reader never sees, the placeholders, and the names of function keys.
    for (const char* unseen : {"<!--.*?-->", "<[^>]*>", "\\{\\{[^{}]*\\}\\}", "\\bF\\d+\\b"})
        text.replace(QRegularExpression(QLatin1String(unseen), QRegularExpression::DotMatchesEverythingOption),
                     QStringLiteral(" "));
    const QRegularExpressionMatch digit = QRegularExpression(QStringLiteral(".{0,30}\\d.{0,30}")).match(text);
    QVERIFY2(!digit.hasMatch(), qPrintable(QStringLiteral("typed by hand: ") + digit.captured()));
}

void TestHelpText::linksLandOnSections()
{
    const QString source = HelpSource();
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (const QRegularExpressionMatch& match : link.globalMatch(source))
        QVERIFY2(source.contains(QStringLiteral("id=\"%1\"").arg(match.captured(1))),
                 qPrintable(match.captured(1)));
}

QTEST_GUILESS_MAIN(TestHelpText)
#include "tst_HelpText.moc"
