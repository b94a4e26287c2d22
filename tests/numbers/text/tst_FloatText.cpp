#include "SettingsGuards.h"
#include "numbers/text/FloatText.h"
#include "numbers/text/FormatSettings.h"

#include <QRegularExpression>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace
{
constexpr long double Inf = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

} // namespace

class TestFloatText : public QObject
{
    Q_OBJECT

private:
    static void addColumns()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("expected");
    }

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void currency_data()
    {
        addColumns();
        QTest::newRow("thousand") << 1000.0L << 15 << 0 << QStringLiteral("$1,000");
        QTest::newRow("zero") << 0.0L << 15 << 0 << QStringLiteral("$0");
        QTest::newRow("negative zero") << -0.0L << 15 << 0 << QStringLiteral("$0");
        QTest::newRow("below a thousand ungrouped") << 887.0L << 15 << 0 << QStringLiteral("$887");
        QTest::newRow("six digits one group") << 999999.0L << 15 << 0 << QStringLiteral("$999,999");
        QTest::newRow("zero inside a group kept") << 10005.0L << 15 << 0 << QStringLiteral("$10,005");
        QTest::newRow("seven digits two groups") << 1234567.0L << 15 << 0 << QStringLiteral("$1,234,567");
        QTest::newRow("minus before currency") << -1000.0L << 15 << 0 << QStringLiteral("-$1,000");
        QTest::newRow("half rounds up") << 2.5L << 15 << 0 << QStringLiteral("$3");
        QTest::newRow("negative half rounds away") << -2.5L << 15 << 0 << QStringLiteral("-$3");
        QTest::newRow("below half rounds down") << 1000.4L << 15 << 0 << QStringLiteral("$1,000");
        QTest::newRow("carry adds a group") << 999999.5L << 15 << 0 << QStringLiteral("$1,000,000");
        QTest::newRow("negative rounding to zero has no minus") << -0.4L << 15 << 0 << QStringLiteral("$0");
        QTest::newRow("negative tiny has no minus") << -LDBL_TRUE_MIN << 15 << 0 << QStringLiteral("$0");
        QTest::newRow("negative half becomes minus one") << -0.5L << 15 << 0 << QStringLiteral("-$1");
        QTest::newRow("two decimals") << 1000.5L << 15 << 2 << QStringLiteral("$1,000.50");
        QTest::newRow("two decimals negative") << -1000.5L << 15 << 2 << QStringLiteral("-$1,000.50");
        QTest::newRow("two decimals of zero") << 0.0L << 15 << 2 << QStringLiteral("$0.00");
        QTest::newRow("fifteen whole digits still fixed")
            << 999999999999999.0L << 15 << 0 << QStringLiteral("$999,999,999,999,999");
        QTest::newRow("sixteen whole digits scientific") << 1e15L << 15 << 0 << QStringLiteral("$1E+15");
        QTest::newRow("rounding up to sixteen digits goes scientific")
            << 999999999999999.5L << 15 << 0 << QStringLiteral("$1E+15");
        QTest::newRow("nineteen digits at precision nineteen")
            << 1234567890123456789.0L << 19 << 0 << QStringLiteral("$1,234,567,890,123,456,789");
        // Exact ties in the 20th digit: half away from zero, where printf would keep the even neighbour.
        QTest::newRow("tie after nineteen whole digits")
            << 1000000000000000000.5L << 19 << 0 << QStringLiteral("$1,000,000,000,000,000,001");
        QTest::newRow("tie in twentieth digit goes scientific")
            << 10000000000000000005.0L << 19 << 0 << QStringLiteral("$1.000000000000000001E+19");
        QTest::newRow("nineteen digits at precision eighteen")
            << 1234567890123456789.0L << 18 << 0 << QStringLiteral("$1.23456789012345679E+18");
        QTest::newRow("scientific mantissa") << 1.5e30L << 15 << 0 << QStringLiteral("$1.5E+30");
        QTest::newRow("scientific negative") << -2e25L << 15 << 0 << QStringLiteral("-$2E+25");
        QTest::newRow("scientific ignores decimals") << 1.5e30L << 15 << 2 << QStringLiteral("$1.5E+30");
        QTest::newRow("largest value") << LDBL_MAX << 15 << 0 << QStringLiteral("$1.18973149535723E+4932");
        QTest::newRow("largest value precision eighteen")
            << LDBL_MAX << 18 << 0 << QStringLiteral("$1.18973149535723177E+4932");
        QTest::newRow("largest negative value") << -LDBL_MAX << 15 << 0 << QStringLiteral("-$1.18973149535723E+4932");
        QTest::newRow("smallest subnormal") << LDBL_TRUE_MIN << 15 << 2 << QStringLiteral("$0.00");
        QTest::newRow("infinity") << Inf << 15 << 0 << QStringLiteral("INF");
        QTest::newRow("negative infinity") << -Inf << 15 << 0 << QStringLiteral("-INF");
        QTest::newRow("nan") << NaN << 15 << 0 << QStringLiteral("NAN");
        QTest::newRow("nan with sign bit") << -NaN << 15 << 0 << QStringLiteral("NAN");
        QTest::newRow("precision zero acts as one") << 7.0L << 0 << 0 << QStringLiteral("$7");
        QTest::newRow("precision one, two whole digits") << 25.0L << 1 << 0 << QStringLiteral("$3E+1");
        QTest::newRow("precision above nineteen acts as nineteen")
            << 1234567890123456789.0L << 40 << 0 << QStringLiteral("$1,234,567,890,123,456,789");
        QTest::newRow("negative decimals act as none") << 12.5L << 15 << -3 << QStringLiteral("$13");
    }

    void currency()
    {
        QFETCH(long double, value);
        QFETCH(int, precision);
        QFETCH(int, digits);
        QFETCH(QString, expected);

        QCOMPARE(FloatToStrF(value, TFloatFormat::ffCurrency, precision, digits), expected);
    }

    void number_data()
    {
        addColumns();
        QTest::newRow("whole") << 5.0L << 15 << 2 << QStringLiteral("5.00");
        QTest::newRow("zero") << 0.0L << 15 << 2 << QStringLiteral("0.00");
        QTest::newRow("one decimal padded") << 12.5L << 15 << 2 << QStringLiteral("12.50");
        QTest::newRow("third decimal dropped") << 5.001L << 15 << 2 << QStringLiteral("5.00");
        QTest::newRow("grouped with decimals") << 1234.5L << 15 << 2 << QStringLiteral("1,234.50");
        QTest::newRow("negative") << -3.0L << 15 << 2 << QStringLiteral("-3.00");
        QTest::newRow("no decimals no separator") << 1234.0L << 15 << 0 << QStringLiteral("1,234");
        QTest::newRow("carry through the point") << 9.999L << 15 << 2 << QStringLiteral("10.00");
        QTest::newRow("negative below half a cent") << -0.004L << 15 << 2 << QStringLiteral("0.00");
        QTest::newRow("smallest subnormal negative") << -LDBL_TRUE_MIN << 19 << 18
                                                     << QStringLiteral("0.000000000000000000");
        // 2^-60 = 8.67e-19: the one digit it contributes at the 18th decimal must round up.
        QTest::newRow("tiny rounds up into last decimal") << std::ldexp(1.0L, -60) << 19 << 18
                                                          << QStringLiteral("0.000000000000000001");
        QTest::newRow("smallest normal") << LDBL_MIN << 15 << 2 << QStringLiteral("0.00");
        // Exact binary ties: half away from zero, where printf would round to even.
        QTest::newRow("exact tie at precision") << 0.125L << 2 << 3 << QStringLiteral("0.130");
        QTest::newRow("exact tie at decimals") << 0.375L << 15 << 2 << QStringLiteral("0.38");
        QTest::newRow("exact negative tie at decimals") << -0.125L << 15 << 2 << QStringLiteral("-0.13");
        // Precision is applied first: 1/3 keeps 15 digits, the rest of the 18 decimals are zeros.
        QTest::newRow("precision limits decimals") << 1.0L / 3.0L << 15 << 18
                                                   << QStringLiteral("0.333333333333333000");
        // 107.4999999999999999028...: the 19th digit is kept at precision 19 but rounds up at 18.
        QTest::newRow("just below half kept at nineteen")
            << 107.49999999999999990L << 19 << 0 << QStringLiteral("107");
        QTest::newRow("just below half rounded at eighteen")
            << 107.49999999999999990L << 18 << 0 << QStringLiteral("108");
        // 0.49999999999999998999...: two roundings, each half away from zero.
        QTest::newRow("double rounding at fifteen") << 0.49999999999999999L << 15 << 0 << QStringLiteral("1");
        QTest::newRow("no double rounding at nineteen")
            << 0.49999999999999999L << 19 << 0 << QStringLiteral("0");
        // 1 + 1537 * 2^-38 = 1.000000005591573426|49996...: below half at the 20th digit, so it must not
        // be judged from a 21-digit printf, which would already have rounded the 4999... up to 50.
        QTest::newRow("long run of nines after the cut")
            << 1.0L + std::ldexp(1537.0L, -38) << 19 << 18 << QStringLiteral("1.000000005591573426");
        QTest::newRow("scientific") << 1.5e30L << 15 << 2 << QStringLiteral("1.5E+30");
        QTest::newRow("scientific negative") << -2e25L << 15 << 2 << QStringLiteral("-2E+25");
        QTest::newRow("scientific mantissa rounded")
            << 123456789012345678901234567890.0L << 15 << 2 << QStringLiteral("1.23456789012346E+29");
        QTest::newRow("infinity") << Inf << 15 << 2 << QStringLiteral("INF");
        QTest::newRow("negative infinity") << -Inf << 15 << 2 << QStringLiteral("-INF");
        QTest::newRow("nan") << NaN << 15 << 2 << QStringLiteral("NAN");
        QTest::newRow("decimals capped at eighteen") << 0.5L << 15 << 50
                                                     << QStringLiteral("0.500000000000000000");
    }

    void number()
    {
        QFETCH(long double, value);
        QFETCH(int, precision);
        QFETCH(int, digits);
        QFETCH(QString, expected);

        QCOMPARE(FloatToStrF(value, TFloatFormat::ffNumber, precision, digits), expected);
    }

    void followsFormatSettings()
    {
        TSettingsGuard Guard;
        FormatSettings().CurrencyString = QStringLiteral("EUR ");
        FormatSettings().ThousandSeparator = u'.';
        FormatSettings().DecimalSeparator = u',';

        QCOMPARE(FloatToStrF(1234567.5L, TFloatFormat::ffCurrency, 15, 2), QStringLiteral("EUR 1.234.567,50"));
        QCOMPARE(FloatToStrF(-1234.5L, TFloatFormat::ffCurrency, 15, 0), QStringLiteral("-EUR 1.235"));
        QCOMPARE(FloatToStrF(-0.25L, TFloatFormat::ffNumber, 15, 2), QStringLiteral("-0,25"));
        QCOMPARE(FloatToStrF(1.5e30L, TFloatFormat::ffCurrency, 15, 0), QStringLiteral("EUR 1,5E+30"));
    }

    void noThousandSeparatorMeansNoGrouping()
    {
        TSettingsGuard Guard;
        FormatSettings().ThousandSeparator = QChar();

        QCOMPARE(FloatToStrF(1234567.5L, TFloatFormat::ffNumber, 15, 2), QStringLiteral("1234567.50"));
    }

    void ignoresProcessLocale()
    {
        TCommaLocale Locale;
        if (!Locale.Active)
            QSKIP("no locale with a decimal comma is installed");

        QCOMPARE(FloatToStrF(1234.5L, TFloatFormat::ffNumber, 15, 2), QStringLiteral("1,234.50"));
        QCOMPARE(FloatToStrF(0.125L, TFloatFormat::ffNumber, 2, 3), QStringLiteral("0.130"));
        QCOMPARE(FloatToStrF(1.5e30L, TFloatFormat::ffCurrency, 15, 0), QStringLiteral("$1.5E+30"));
    }
};

QTEST_GUILESS_MAIN(TestFloatText)
#include "tst_FloatText.moc"
