#include "numbers/Rounding.h"

#include <QRegularExpression>
#include <QTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

namespace
{
QString Describe(long double AValue)
{
    char Text[64];
    std::snprintf(Text, sizeof Text, "%.21Lg", AValue);
    return QString::fromLatin1(Text);
}
} // namespace

class TestRounding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void roundTo_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<int>("digit");
        QTest::addColumn<long double>("expected");

        constexpr long double Inf = std::numeric_limits<long double>::infinity();

        QTest::newRow("half to even zero") << 0.5L << 0 << 0.0L;
        QTest::newRow("half to even two from one") << 1.5L << 0 << 2.0L;
        QTest::newRow("half to even two from two") << 2.5L << 0 << 2.0L;
        QTest::newRow("negative half to even") << -2.5L << 0 << -2.0L;
        QTest::newRow("negative half keeps sign of zero") << -0.5L << 0 << -0.0L;
        QTest::newRow("above half") << 3.7L << 0 << 4.0L;
        QTest::newRow("negative above half") << -3.7L << 0 << -4.0L;
        // Just below a half in extended precision; rounding through double would see 107.5 and give 108.
        QTest::newRow("extended just below half") << 107.49999999999999990L << 0 << 107.0L;
        QTest::newRow("beyond 2^64 unchanged") << 1e30L << 0 << 1e30L;
        QTest::newRow("largest unchanged") << LDBL_MAX << 0 << LDBL_MAX;
        QTest::newRow("infinity unchanged") << Inf << 0 << Inf;
        QTest::newRow("negative infinity unchanged") << -Inf << 0 << -Inf;

        QTest::newRow("tens") << 1234.5L << 1 << 1230.0L;
        QTest::newRow("tens half to even down") << 1225.0L << 1 << 1220.0L;
        QTest::newRow("tens half to even up") << 1235.0L << 1 << 1240.0L;
        QTest::newRow("hundreds") << 250.0L << 2 << 200.0L;
        QTest::newRow("negative hundreds") << -351.0L << 2 << -400.0L;
        QTest::newRow("tens of a huge value unchanged") << 1e25L << 1 << 1e25L;
        // Dividing by ten and multiplying back would move this one to ...256.
        QTest::newRow("tens of an odd huge value unchanged")
            << 482617244570000000224.0L << 1 << 482617244570000000224.0L;
        QTest::newRow("tens of largest unchanged") << LDBL_MAX << 1 << LDBL_MAX;
        QTest::newRow("multiple beyond the range is zero") << 5.0L << 5000 << 0.0L;
        QTest::newRow("multiple beyond the range negative") << -5.0L << INT_MAX << -0.0L;

        // The scaled values are exact binary ties or clear of one, and n/100 is correctly rounded, so the
        // expected literals are exact.
        QTest::newRow("cents below half") << 1.234L << -2 << 1.23L;
        QTest::newRow("cents exact tie to even down") << 0.125L << -2 << 0.12L;
        QTest::newRow("cents exact tie to even up") << 0.375L << -2 << 0.38L;
        QTest::newRow("negative cents tie") << -0.125L << -2 << -0.12L;
        QTest::newRow("thousandths") << 2.71828L << -3 << 2.718L;
        QTest::newRow("decimals of a huge value unchanged") << 1e25L << -2 << 1e25L;
        QTest::newRow("decimals of largest unchanged") << LDBL_MAX << -2 << LDBL_MAX;
        QTest::newRow("decimals of negative largest unchanged") << -LDBL_MAX << -2 << -LDBL_MAX;
        QTest::newRow("more decimals than it has") << 0.1L << -30 << 0.1L;
        QTest::newRow("absurd decimals") << 0.1L << INT_MIN << 0.1L;
        QTest::newRow("decimals of infinity") << Inf << -2 << Inf;
        QTest::newRow("tiny to cents") << LDBL_TRUE_MIN << -2 << 0.0L;
    }

    void roundTo()
    {
        QFETCH(long double, value);
        QFETCH(int, digit);
        QFETCH(long double, expected);

        const long double Actual = RoundTo(value, digit);
        const bool Same = Actual == expected && std::signbit(Actual) == std::signbit(expected);
        QVERIFY2(Same, qPrintable(QStringLiteral("got %1, expected %2").arg(Describe(Actual), Describe(expected))));
    }

    void nanStaysNan()
    {
        const long double NaN = std::numeric_limits<long double>::quiet_NaN();
        for (const int Digit : {0, 1, -2, INT_MAX, INT_MIN})
            QVERIFY2(std::isnan(RoundTo(NaN, Digit)), qPrintable(QStringLiteral("digit %1").arg(Digit)));
    }
};

QTEST_GUILESS_MAIN(TestRounding)
#include "tst_Rounding.moc"
