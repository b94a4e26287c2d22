#include "numbers/SoftPower.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <quadmath.h>
#include <random>

namespace {
constexpr long double Inf = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

long double SoftPower(long double ABase, long double AExponent)
{
    return static_cast<long double>(Power(SoftExtended(ABase), SoftExtended(AExponent)));
}

enum class TPowers
{
    Continuous, // the continuous-compounding base to rate × years
    Wide,       // bases and exponents far from one
    NearOne,    // bases a few units from 1 with exponents that keep the result finite
    NearLimits, // results near overflow and among the subnormals
    Whole,      // small whole bases and exponents: mostly exact results
};
} // namespace

Q_DECLARE_METATYPE(TPowers)

class TestSoftPower : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (LDBL_MANT_DIG != 64)
            QSKIP("the references are x87 and quad results");
    }
    void specialCasesAsTheCLibrary_data();
    void specialCasesAsTheCLibrary();
    void nearestAsQuad_data();
    void nearestAsQuad();
};

void TestSoftPower::specialCasesAsTheCLibrary_data()
{
    QTest::addColumn<long double>("base");
    QTest::addColumn<long double>("exponent");

    QTest::newRow("NaN to the power 0") << NaN << 0.0L;
    QTest::newRow("1 to a NaN power") << 1.0L << NaN;
    QTest::newRow("NaN exponent") << 2.0L << NaN;
    QTest::newRow("-0 to a negative odd power") << -0.0L << -3.0L;
    QTest::newRow("-0 to a negative even power") << -0.0L << -2.0L;
    QTest::newRow("-0 to a positive odd power") << -0.0L << 3.0L;
    QTest::newRow("-0 to a positive fraction") << -0.0L << 0.5L;
    QTest::newRow("0 to minus infinity") << 0.0L << -Inf;
    QTest::newRow("-1 to infinity") << -1.0L << Inf;
    QTest::newRow("-0.5 to infinity") << -0.5L << Inf;
    QTest::newRow("2 to minus infinity") << 2.0L << -Inf;
    QTest::newRow("minus infinity to a negative odd power") << -Inf << -3.0L;
    QTest::newRow("minus infinity to a positive fraction") << -Inf << 0.5L;
    QTest::newRow("negative base to a fraction") << -2.0L << 0.5L;
    QTest::newRow("negative base to an odd power") << -3.0L << 5.0L;
    QTest::newRow("-1 to a huge odd power") << -1.0L << 18446744073709551615.0L;
    QTest::newRow("negative base to a huge even power") << -1.5L << 0x1p70L;
    QTest::newRow("overflow") << 10.0L << 5000.0L;
    QTest::newRow("largest power of two") << 2.0L << 16383.0L;
    QTest::newRow("exact subnormal") << 2.0L << -16440.0L;
    QTest::newRow("exact 64-bit result") << 3.0L << 40.0L;
}

void TestSoftPower::specialCasesAsTheCLibrary()
{
    QFETCH(long double, base);
    QFETCH(long double, exponent);

    const long double Expected = std::pow(base, exponent);
    const long double Actual = SoftPower(base, exponent);
    char Text[96];
    std::snprintf(Text, sizeof Text, "got %.21Lg, expected %.21Lg", Actual, Expected);
    QVERIFY2(std::isnan(Expected) ? std::isnan(Actual)
                                  : Actual == Expected && std::signbit(Actual) == std::signbit(Expected),
             Text);
}

void TestSoftPower::nearestAsQuad_data()
{
    QTest::addColumn<TPowers>("powers");
    QTest::addColumn<int>("count");

    QTest::newRow("continuous growth: 2.71828 to rate times years") << TPowers::Continuous << 100000;
    QTest::newRow("bases and exponents far from one") << TPowers::Wide << 100000;
    QTest::newRow("bases next to one with huge exponents") << TPowers::NearOne << 50000;
    QTest::newRow("results near overflow and among the subnormals") << TPowers::NearLimits << 50000;
    QTest::newRow("small whole bases and exponents") << TPowers::Whole << 20000;
}

// Against the quad-precision power, off by some 2^-49 of an extended last place. Faithful is what the
// figures need; with its 40 spare bits the power is the nearest extended value but for results within some
// 2^-40 of a halfway point, so here every result must be the nearest.
void TestSoftPower::nearestAsQuad()
{
    QFETCH(TPowers, powers);
    QFETCH(int, count);

    std::mt19937_64 Random(20240509);
    std::uniform_real_distribution<long double> Uniform(-1, 1);
    int CorrectlyRounded = 0;
    char Wrong[128] = "";
    for (int I = 0; I < count; ++I) {
        long double Base = 2.71828L;
        long double Exponent = Uniform(Random) * 60;
        const int Scale = 20 + int(Random() % 44);
        if (powers == TPowers::Wide) {
            Base = std::ldexp(1 + std::fabs(Uniform(Random)), int(Random() % 2000) - 1000);
            Exponent = Uniform(Random) * 12;
        } else if (powers == TPowers::NearOne) {
            Base = 1 + std::ldexp(Uniform(Random), -Scale);
            Exponent = std::ldexp(Uniform(Random), Scale + int(Random() % 12));
        } else if (powers == TPowers::NearLimits) {
            Exponent = (Random() % 2 ? 11356 : -11400) + Uniform(Random) * 50;
        } else if (powers == TPowers::Whole) {
            Base = static_cast<long double>(2 + Random() % 30);
            Exponent = static_cast<long double>(Random() % 40);
        }
        const long double Actual = SoftPower(Base, Exponent);
        const __float128 Reference = powq(__float128(Base), __float128(Exponent));
        if (Actual == static_cast<long double>(Reference))
            ++CorrectlyRounded;
        else if (Wrong[0] == 0)
            std::snprintf(Wrong, sizeof Wrong, "%.21Lg to the power %.21Lg: got %.21Lg", Base, Exponent,
                          Actual);
    }
    qInfo("%d powers, %d correctly rounded", count, CorrectlyRounded);
    QVERIFY2(Wrong[0] == 0, Wrong);
}

QTEST_GUILESS_MAIN(TestSoftPower)
#include "tst_SoftPower.moc"
