#include "SettingsGuards.h"
#include "numbers/text/FormatSettings.h"
#include "numbers/text/TextToNumber.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

namespace
{
// A value no row expects, so returning the default is never mistaken for a successful read.
constexpr long double FloatDefault = -7.25L;
constexpr qint64 IntDefault = 123456789;

QString Describe(long double AValue)
{
    char Text[64];
    std::snprintf(Text, sizeof Text, "%.21Lg", AValue);
    return QString::fromLatin1(Text);
}

// Equal bit for bit as far as it matters here: same value and, for zeros, the same sign.
void CompareExactly(long double AActual, long double AExpected)
{
    const bool Same = AActual == AExpected && std::signbit(AActual) == std::signbit(AExpected);
    QVERIFY2(Same, qPrintable(QStringLiteral("got %1, expected %2").arg(Describe(AActual), Describe(AExpected))));
}

// The decimal digits of 5^N, by schoolbook multiplication in base 10^9.
QString PowerOfFiveDigits(int N)
{
    std::vector<std::uint32_t> Limbs{1}; // least significant first
    for (int I = 0; I < N; ++I) {
        std::uint64_t Carry = 0;
        for (std::uint32_t& Limb : Limbs) {
            const std::uint64_t Product = std::uint64_t(Limb) * 5 + Carry;
            Limb = std::uint32_t(Product % 1000000000);
            Carry = Product / 1000000000;
        }
        if (Carry != 0)
            Limbs.push_back(std::uint32_t(Carry));
    }
    QString Text = QString::number(Limbs.back());
    for (auto It = Limbs.rbegin() + 1; It != Limbs.rend(); ++It)
        Text += QStringLiteral("%1").arg(*It, 9, 10, QLatin1Char('0'));
    return Text;
}

enum class TDecimalTexts
{
    Typed,     // rates and amounts as typed: a few digits, at most two decimals
    Long,      // up to 40 significant digits anywhere in the range
    Halfway,   // exactly halfway between two extended neighbours
    Subnormal, // among the subnormals
};

QString DecimalText(TDecimalTexts AKind, std::mt19937_64& ARandom)
{
    const auto Digits = [&ARandom](int ACount) {
        QString Text = QString::number(1 + ARandom() % 9);
        for (int I = 1; I < ACount; ++I)
            Text += QChar(char16_t(u'0' + ARandom() % 10));
        return Text;
    };
    switch (AKind) {
    case TDecimalTexts::Typed:
        return QString::asprintf("%d.%0*d", int(ARandom() % 1000000), int(ARandom() % 3), int(ARandom() % 100));
    case TDecimalTexts::Long:
        return Digits(1 + int(ARandom() % 40)) + QStringLiteral("e%1").arg(int(ARandom() % 9880) - 4950);
    case TDecimalTexts::Halfway: {
        // An odd 65-bit significand times 2^-k, written exactly as its digits times 10^-k.
        const int K = int(ARandom() % 28);
        TUInt128 Value = TUInt128(ARandom() | std::uint64_t(1) << 63) << 1 | 1;
        for (int I = 0; I < K; ++I)
            Value *= 5;
        QString Text;
        for (; Value != 0; Value /= 10)
            Text.prepend(QChar(u'0' + int(Value % 10)));
        return Text + QStringLiteral("e-%1").arg(K);
    }
    case TDecimalTexts::Subnormal:
        return Digits(1 + int(ARandom() % 25)) + QStringLiteral("e%1").arg(-4931 - int(ARandom() % 40));
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(TDecimalTexts)

class TestTextToNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void floatAccepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<long double>("expected");

        QTest::newRow("zero") << QStringLiteral("0") << 0.0L;
        QTest::newRow("whole") << QStringLiteral("5") << 5.0L;
        QTest::newRow("trailing separator") << QStringLiteral("5.") << 5.0L;
        QTest::newRow("leading separator") << QStringLiteral(".5") << 0.5L;
        QTest::newRow("lone separator") << QStringLiteral(".") << 0.0L;
        QTest::newRow("plus lone separator") << QStringLiteral("+.") << 0.0L;
        QTest::newRow("minus lone separator") << QStringLiteral("-.") << -0.0L;
        QTest::newRow("minus zero") << QStringLiteral("-0") << -0.0L;
        QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0L;
        QTest::newRow("minus sign") << QStringLiteral("-3.25") << -3.25L;
        QTest::newRow("blanks around") << QStringLiteral(" \t 12.5 \t") << 12.5L;
        QTest::newRow("leading zeros") << QStringLiteral("000123.4500") << 123.45L;
        QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0L;
        QTest::newRow("capital exponent with plus") << QStringLiteral("1E+3") << 1000.0L;
        QTest::newRow("negative exponent") << QStringLiteral("2.5e-3") << 2.5e-3L;
        QTest::newRow("exponent after lone separator") << QStringLiteral(".e5") << 0.0L;
        QTest::newRow("exponent with leading zeros") << QStringLiteral("1e0003") << 1000.0L;
        // Extended precision, not the double nearest to 0.1.
        QTest::newRow("one tenth to extended") << QStringLiteral("0.1") << 0.1L;
        QTest::newRow("large integer exact") << QStringLiteral("9223372036854775807") << 9223372036854775807.0L;
        // 2^64 + 1 lies exactly between 2^64 and 2^64 + 2: the tie goes to the even significand.
        QTest::newRow("halfway to even") << QStringLiteral("18446744073709551617") << 18446744073709551616.0L;
        QTest::newRow("just above halfway")
            << QStringLiteral("18446744073709551617.") + QString(20000, u'0') + QStringLiteral("1")
            << 18446744073709551618.0L;
        QTest::newRow("just below halfway")
            << QStringLiteral("18446744073709551616.") + QString(20000, u'9') << 18446744073709551616.0L;
        // 1 + 2^-64, written out in full, is exactly halfway between 1 and the next value up.
        const QString HalfwayAfterOne =
            QStringLiteral("1.0000000000000000000542101086242752217003726400434970855712890625");
        QTest::newRow("long halfway ties to even") << HalfwayAfterOne << 1.0L;
        QTest::newRow("long halfway plus a trace rounds up")
            << HalfwayAfterOne + QStringLiteral("000001") << 1.0L + std::ldexp(1.0L, -63);
        QTest::newRow("long halfway minus a trace rounds down")
            << HalfwayAfterOne.chopped(1) + QStringLiteral("4999999") << 1.0L;
        // 2^-16446 = 5^16446 * 10^-16446, halfway between zero and the smallest subnormal: 11,496 significant
        // digits that all count.
        const QString HalfwayBelowSmallest = PowerOfFiveDigits(16446);
        QTest::newRow("11496-digit halfway ties to zero") << HalfwayBelowSmallest + QStringLiteral("e-16446") << 0.0L;
        QTest::newRow("11496-digit halfway plus a trace")
            << HalfwayBelowSmallest + QStringLiteral("0000000001e-16456") << LDBL_TRUE_MIN;
        QTest::newRow("largest value") << QStringLiteral("1.18973149535723176502e+4932") << LDBL_MAX;
        QTest::newRow("smallest normal") << QStringLiteral("3.36210314311209350626e-4932") << LDBL_MIN;
        QTest::newRow("smallest subnormal") << QStringLiteral("3.64519953188247460253e-4951") << LDBL_TRUE_MIN;
        QTest::newRow("subnormal") << QStringLiteral("1e-4940") << 1e-4940L;
        QTest::newRow("underflow to zero") << QStringLiteral("1e-5000") << 0.0L;
        QTest::newRow("underflow keeps sign") << QStringLiteral("-1e-5000") << -0.0L;
        QTest::newRow("exponent beyond any integer type underflows")
            << QStringLiteral("1e-99999999999999999999999") << 0.0L;
        QTest::newRow("zero with huge exponent") << QStringLiteral("0e99999999999999999999") << 0.0L;
        QTest::newRow("many leading zeros offset the exponent")
            << QStringLiteral("0.") + QString(20000, u'0') + QStringLiteral("1e20005") << 10000.0L;
        QTest::newRow("many whole digits offset the exponent")
            << QStringLiteral("1") + QString(20000, u'0') + QStringLiteral("e-20000") << 1.0L;
        QTest::newRow("million digits") << QStringLiteral("0.") + QString(1000000, u'1') << 1.0L / 9.0L;
    }

    void floatAccepted()
    {
        QFETCH(QString, text);
        QFETCH(long double, expected);

        CompareExactly(StrToFloatDef(text, FloatDefault), expected);
    }

    // The C library's strtold rounds correctly to the x87 format: the reference on x86.
    void floatNearestAsTheCLibrary_data()
    {
        QTest::addColumn<TDecimalTexts>("kind");

        QTest::newRow("typed rates and amounts") << TDecimalTexts::Typed;
        QTest::newRow("up to 40 digits across the range") << TDecimalTexts::Long;
        QTest::newRow("halfway between neighbours") << TDecimalTexts::Halfway;
        QTest::newRow("subnormals") << TDecimalTexts::Subnormal;
    }

    void floatNearestAsTheCLibrary()
    {
        if (LDBL_MANT_DIG != 64)
            QSKIP("long double is not the x87 format here");
        QFETCH(TDecimalTexts, kind);

        std::mt19937_64 Random(20240509);
#ifdef Q_OS_WIN
        // MinGW's own strtold, in the C runtime's "C" locale, which Qt leaves alone on Windows.
        const auto CStrtold = [](const char* AText) { return std::strtold(AText, nullptr); };
#else
        static const locale_t C = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        const auto CStrtold = [](const char* AText) { return strtold_l(AText, nullptr, C); };
#endif
        for (int I = 0; I < 20000; ++I) {
            const QString Text = DecimalText(kind, Random);
            const long double Reference = CStrtold(Text.toLatin1().constData());
            const long double Actual = StrToFloatDef(Text, FloatDefault);
            if (Actual != (std::isinf(Reference) ? FloatDefault : Reference))
                QFAIL(qPrintable(Text + QStringLiteral(": got ") + Describe(Actual)));
        }
    }

    void floatRejected_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only") << QStringLiteral(" \t ");
        QTest::newRow("lone plus") << QStringLiteral("+");
        QTest::newRow("lone minus") << QStringLiteral(" - ");
        QTest::newRow("two separators together") << QStringLiteral("5..");
        QTest::newRow("two separators apart") << QStringLiteral("1.2.3");
        QTest::newRow("two separators alone") << QStringLiteral("..");
        QTest::newRow("two signs") << QStringLiteral("+-5");
        QTest::newRow("exponent without digits") << QStringLiteral("1e");
        QTest::newRow("exponent sign without digits") << QStringLiteral("1e+");
        QTest::newRow("exponent without mantissa") << QStringLiteral("e5");
        QTest::newRow("sign then exponent") << QStringLiteral("-e5");
        QTest::newRow("fractional exponent") << QStringLiteral("1e5.5");
        QTest::newRow("hex") << QStringLiteral("0x10");
        QTest::newRow("infinity word") << QStringLiteral("inf");
        QTest::newRow("infinity word capitals") << QStringLiteral("INFINITY");
        QTest::newRow("nan word") << QStringLiteral("nan");
        QTest::newRow("thousands separator") << QStringLiteral("1,5");
        QTest::newRow("grouped thousands") << QStringLiteral("1,000.5");
        QTest::newRow("blank inside") << QStringLiteral("1 5");
        QTest::newRow("trailing letter") << QStringLiteral("5 x");
        QTest::newRow("trailing newline") << QStringLiteral("5\n");
        QTest::newRow("currency sign") << QStringLiteral("$5");
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0661));
        QTest::newRow("fullwidth digit") << QString(QChar(0xFF15));
        QTest::newRow("ascii then fullwidth digit") << QStringLiteral("5") + QChar(0xFF15);
        QTest::newRow("embedded nul") << QStringLiteral("5") + QChar(u'\0') + QStringLiteral("1");
        QTest::newRow("trailing nul") << QStringLiteral("5") + QChar(u'\0');
        QTest::newRow("overflow") << QStringLiteral("1e5000");
        QTest::newRow("negative overflow") << QStringLiteral("-1e5000");
        QTest::newRow("just past the largest value") << QStringLiteral("1.19e4932");
        QTest::newRow("overflow by huge exponent") << QStringLiteral("1e99999999999999999999999");
        QTest::newRow("overflow by many digits") << QString(6000, u'9');
        QTest::newRow("garbage after million digits") << QString(1000000, u'3') + QStringLiteral("x");
    }

    void floatRejected()
    {
        QFETCH(QString, text);

        CompareExactly(StrToFloatDef(text, FloatDefault), FloatDefault);
    }

    void floatUsesDecimalSeparatorSetting()
    {
        TSettingsGuard Guard;
        FormatSettings().DecimalSeparator = u',';
        FormatSettings().ThousandSeparator = u'.';

        CompareExactly(StrToFloatDef(QStringLiteral("1,5"), FloatDefault), 1.5L);
        CompareExactly(StrToFloatDef(QStringLiteral("-,25e1"), FloatDefault), -2.5L);
        CompareExactly(StrToFloatDef(QStringLiteral("1.5"), FloatDefault), FloatDefault);
    }

    void floatIgnoresProcessLocale()
    {
        TCommaLocale Locale;
        if (!Locale.Active)
            QSKIP("no locale with a decimal comma is installed");

        CompareExactly(StrToFloatDef(QStringLiteral("1.5"), FloatDefault), 1.5L);
        CompareExactly(StrToFloatDef(QStringLiteral("1,5"), FloatDefault), FloatDefault);
    }

    // A reader that rescans or converts every digit would take minutes here; a linear one, milliseconds.
    void floatLongInputInLinearTime()
    {
        const QString Text = QStringLiteral("0.") + QString(20000000, u'5') + QStringLiteral("e1");
        QElapsedTimer Timer;
        Timer.start();
        const long double Value = StrToFloatDef(Text, FloatDefault);
        const qint64 Elapsed = Timer.elapsed();

        CompareExactly(Value, 50.0L / 9.0L);
        QVERIFY2(Elapsed < 5000, qPrintable(QStringLiteral("took %1 ms").arg(Elapsed)));
    }

    void int64_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");

        QTest::newRow("zero") << QStringLiteral("0") << qint64(0);
        QTest::newRow("plain") << QStringLiteral("42") << qint64(42);
        QTest::newRow("plus sign") << QStringLiteral("+5") << qint64(5);
        QTest::newRow("minus sign") << QStringLiteral("-5") << qint64(-5);
        QTest::newRow("minus zero") << QStringLiteral("-0") << qint64(0);
        QTest::newRow("leading blanks") << QStringLiteral(" \t 7") << qint64(7);
        QTest::newRow("leading zeros") << QStringLiteral("0000000000000000000000012") << qint64(12);
        QTest::newRow("largest") << QStringLiteral("9223372036854775807") << std::numeric_limits<qint64>::max();
        QTest::newRow("smallest") << QStringLiteral("-9223372036854775808") << std::numeric_limits<qint64>::min();
        QTest::newRow("empty") << QString() << IntDefault;
        QTest::newRow("blanks only") << QStringLiteral("  ") << IntDefault;
        QTest::newRow("lone sign") << QStringLiteral("-") << IntDefault;
        QTest::newRow("two signs") << QStringLiteral("--5") << IntDefault;
        QTest::newRow("one past largest") << QStringLiteral("9223372036854775808") << IntDefault;
        QTest::newRow("one past smallest") << QStringLiteral("-9223372036854775809") << IntDefault;
        // Would read as 1 if the magnitude were allowed to wrap around 2^64.
        QTest::newRow("wraps to one in 64 bits") << QStringLiteral("18446744073709551617") << IntDefault;
        QTest::newRow("far too long") << QString(1000, u'9') << IntDefault;
        QTest::newRow("trailing blank") << QStringLiteral("5 ") << IntDefault;
        QTest::newRow("decimal point") << QStringLiteral("5.0") << IntDefault;
        QTest::newRow("exponent") << QStringLiteral("1e3") << IntDefault;
        QTest::newRow("dollar hex") << QStringLiteral("$5") << IntDefault;
        QTest::newRow("c hex") << QStringLiteral("0x5") << IntDefault;
        QTest::newRow("grouped") << QStringLiteral("1,000") << IntDefault;
        QTest::newRow("fullwidth digit") << QString(QChar(0xFF15)) << IntDefault;
        QTest::newRow("embedded nul") << QStringLiteral("5") + QChar(u'\0') << IntDefault;
    }

    void int64()
    {
        QFETCH(QString, text);
        QFETCH(qint64, expected);

        QCOMPARE(qint64(StrToInt64Def(text, IntDefault)), expected);
    }
};

QTEST_GUILESS_MAIN(TestTextToNumber)
#include "tst_TextToNumber.moc"
