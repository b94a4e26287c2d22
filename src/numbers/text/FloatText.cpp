#include "numbers/text/FloatText.h"

#include "numbers/text/FormatSettings.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <locale.h>
#include <string>

namespace
{
// A finite non-negative value as decimal digits: Digits[0] (never '0') stands at 10^Exponent and every
// further digit one place lower. No digits at all means zero.
struct TDecimal
{
    std::string Digits;
    int Exponent = 0;
};

// printf's "%.*Le" of AValue into AText. Whatever radix character the locale gives is passed over by the
// reader, so only the digits matter.
int PrintExponential(std::string& AText, int APrecision, long double AValue)
{
#ifdef _WIN32
    // MinGW's own printf, which formats all 64 bits of the x87 value (the Windows C runtime's takes long
    // double for double): named here rather than left to __USE_MINGW_ANSI_STDIO.
    return __mingw_snprintf(AText.data(), AText.size(), "%.*Le", APrecision, AValue);
#else
    // Qt switches the process to the user's locale; printf must not pick up its radix character.
    static const locale_t Locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t Previous = uselocale(Locale);
    const int Length = std::snprintf(AText.data(), AText.size(), "%.*Le", APrecision, AValue);
    uselocale(Previous);
    return Length;
#endif
}

// The exact decimal expansion of AMagnitude. Every extended value is a dyadic fraction with a finite
// expansion, so asking printf for at least that many digits makes it round nothing; the rounding is then
// done here, half away from zero, which printf cannot be asked for.
TDecimal ExactDecimal(long double AMagnitude)
{
    TDecimal Result;
    if (AMagnitude == 0.0L)
        return Result;

    int BinaryExponent = 0;
    const long double Fraction = std::frexp(AMagnitude, &BinaryExponent);
    // Fraction is in [0.5, 1) with a 64-bit significand, so this is a whole number below 2^64.
    const auto Significand = static_cast<std::uint64_t>(std::ldexp(Fraction, 64));
    const int LowestBit = BinaryExponent - 64 + std::countr_zero(Significand);
    // An odd q times 2^-k has as many significant digits as q * 5^k, at most 20 + 0.699k of them; a whole
    // number below 2^e has at most 1 + 0.302e.
    const int SignificantDigits =
        LowestBit >= 0 ? 2 + BinaryExponent * 30103 / 100000 : 22 + -LowestBit * 69898 / 100000;

    std::string Text(static_cast<std::size_t>(SignificantDigits) + 64, '\0');
    const int Length = PrintExponential(Text, SignificantDigits - 1, AMagnitude);
    Text.resize(static_cast<std::size_t>(std::clamp(Length, 0, static_cast<int>(Text.size()) - 1)));

    // "d.ddde+xx": take the digits up to the exponent, passing over the radix character whatever it is.
    std::size_t Pos = 0;
    Result.Digits.reserve(static_cast<std::size_t>(SignificantDigits));
    while (Pos < Text.size() && Text[Pos] != 'e') {
        if (Text[Pos] >= '0' && Text[Pos] <= '9')
            Result.Digits += Text[Pos];
        ++Pos;
    }
    int Exponent = 0;
    bool ExponentNegative = false;
    if (++Pos < Text.size() && (Text[Pos] == '+' || Text[Pos] == '-'))
        ExponentNegative = Text[Pos++] == '-';
    for (; Pos < Text.size() && Text[Pos] >= '0' && Text[Pos] <= '9'; ++Pos)
        Exponent = Exponent * 10 + (Text[Pos] - '0');
    Result.Exponent = ExponentNegative ? -Exponent : Exponent;
    return Result;
}

// Keeps the first AKeep digits, rounding half away from zero on the digits dropped.
void RoundToDigits(TDecimal& AValue, int AKeep)
{
    if (AKeep < 0) {
        AValue.Digits.clear();
        return;
    }
    const auto Keep = static_cast<std::size_t>(AKeep);
    if (Keep >= AValue.Digits.size())
        return;
    const bool Up = AValue.Digits[Keep] >= '5';
    AValue.Digits.resize(Keep);
    if (!Up)
        return;
    std::size_t Pos = Keep;
    while (Pos > 0 && AValue.Digits[Pos - 1] == '9')
        AValue.Digits[--Pos] = '0';
    if (Pos > 0) {
        ++AValue.Digits[Pos - 1];
    } else {
        AValue.Digits.insert(AValue.Digits.begin(), '1');
        ++AValue.Exponent;
    }
}

QString Grouped(const QString& AWhole)
{
    const QChar Separator = FormatSettings().ThousandSeparator;
    if (Separator.isNull())
        return AWhole;
    QString Result;
    Result.reserve(AWhole.size() + AWhole.size() / 3);
    for (qsizetype I = 0; I < AWhole.size(); ++I) {
        if (I > 0 && (AWhole.size() - I) % 3 == 0)
            Result += Separator;
        Result += AWhole[I];
    }
    return Result;
}

QString Scientific(TDecimal AValue)
{
    while (AValue.Digits.size() > 1 && AValue.Digits.back() == '0')
        AValue.Digits.pop_back();
    QString Result(QLatin1Char(AValue.Digits[0]));
    if (AValue.Digits.size() > 1)
        Result += FormatSettings().DecimalSeparator + QLatin1String(AValue.Digits.data() + 1);
    return Result + QStringLiteral("E+") + QString::number(AValue.Exponent);
}

QString Fixed(const TDecimal& AValue, int ADigits)
{
    const auto DigitAt = [&AValue](long long AIndex) {
        return AIndex >= 0 && AIndex < static_cast<long long>(AValue.Digits.size())
                   ? QLatin1Char(AValue.Digits[static_cast<std::size_t>(AIndex)])
                   : QLatin1Char('0');
    };
    QString Whole;
    if (AValue.Digits.empty() || AValue.Exponent < 0)
        Whole = QStringLiteral("0");
    else
        for (int I = 0; I <= AValue.Exponent; ++I)
            Whole += DigitAt(I);
    QString Result = Grouped(Whole);
    if (ADigits > 0) {
        Result += FormatSettings().DecimalSeparator;
        for (int I = 1; I <= ADigits; ++I)
            Result += DigitAt(static_cast<long long>(AValue.Exponent) + I);
    }
    return Result;
}
} // namespace

QString FloatToStrF(long double AValue, TFloatFormat AFormat, int APrecision, int ADigits)
{
    if (std::isnan(AValue))
        return QStringLiteral("NAN");
    if (std::isinf(AValue))
        return AValue < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // Past 19 significant digits an extended value has nothing more to tell; 18 decimals are the most
    // any such figure can carry below the point.
    const int Precision = std::clamp(APrecision, 1, 19);
    const int Digits = std::clamp(ADigits, 0, 18);

    TDecimal Value = ExactDecimal(std::fabs(AValue));
    RoundToDigits(Value, Precision);
    QString Text;
    if (!Value.Digits.empty() && Value.Exponent + 1 > Precision) {
        Text = Scientific(Value);
    } else {
        RoundToDigits(Value, Value.Exponent + Digits + 1);
        Text = Fixed(Value, Digits);
    }

    if (AFormat == TFloatFormat::ffCurrency)
        Text.prepend(FormatSettings().CurrencyString);
    // A value that rounds to nothing reads as plain zero, never "-0".
    if (AValue < 0 && !Value.Digits.empty())
        Text.prepend(u'-');
    return Text;
}
