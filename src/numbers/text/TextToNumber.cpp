#include "numbers/text/TextToNumber.h"

#include "numbers/DecimalToExtended.h"
#include "numbers/text/FormatSettings.h"

#include <algorithm>
#include <string>

namespace {
// Enough significant digits to separate every pair of neighbouring extended values, including the
// halfway points between subnormals (about 11,520 digits); anything further only decides a sticky bit.
constexpr qsizetype MaxSignificantDigits = 12000;

// Decimal exponents beyond these are far past overflow or total underflow, so clamping them changes
// nothing but keeps the arithmetic on them small.
constexpr long long ExponentClamp = 6000;

bool IsBlank(char16_t C)
{
    return C == u' ' || C == u'\t';
}

bool IsDigit(char16_t C)
{
    return C >= u'0' && C <= u'9';
}

// Skips leading blanks and reads an optional sign; Pos is left on what follows.
bool SkipBlanksAndSign(const char16_t* AText, qsizetype ASize, qsizetype& Pos)
{
    while (Pos < ASize && IsBlank(AText[Pos]))
        ++Pos;
    bool Negative = false;
    if (Pos < ASize && (AText[Pos] == u'+' || AText[Pos] == u'-')) {
        Negative = AText[Pos] == u'-';
        ++Pos;
    }
    return Negative;
}
} // namespace

Extended StrToFloatDef(const QString& AText, Extended ADefault)
{
    const char16_t* const Text = reinterpret_cast<const char16_t*>(AText.constData());
    const qsizetype Size = AText.size();
    const char16_t Separator = FormatSettings().DecimalSeparator.unicode();
    qsizetype Pos = 0;
    const bool Negative = SkipBlanksAndSign(Text, Size, Pos);

    const qsizetype WholeStart = Pos;
    while (Pos < Size && IsDigit(Text[Pos]))
        ++Pos;
    const qsizetype WholeEnd = Pos;
    bool HasSeparator = false;
    qsizetype FractionStart = Pos;
    if (Pos < Size && Text[Pos] == Separator) {
        HasSeparator = true;
        FractionStart = ++Pos;
        while (Pos < Size && IsDigit(Text[Pos]))
            ++Pos;
    }
    const qsizetype FractionEnd = Pos;
    const qsizetype WholeCount = WholeEnd - WholeStart;
    const qsizetype FractionCount = FractionEnd - FractionStart;
    if (WholeCount == 0 && FractionCount == 0 && !HasSeparator)
        return ADefault;

    // The exponent saturates: a value this far out is decided by the clamp below, not by its digits.
    long long Exponent = 0;
    if (Pos < Size && (Text[Pos] == u'e' || Text[Pos] == u'E')) {
        ++Pos;
        bool ExponentNegative = false;
        if (Pos < Size && (Text[Pos] == u'+' || Text[Pos] == u'-')) {
            ExponentNegative = Text[Pos] == u'-';
            ++Pos;
        }
        const qsizetype ExponentStart = Pos;
        while (Pos < Size && IsDigit(Text[Pos])) {
            if (Exponent < 1000000000LL)
                Exponent = Exponent * 10 + (Text[Pos] - u'0');
            ++Pos;
        }
        if (Pos == ExponentStart)
            return ADefault;
        if (ExponentNegative)
            Exponent = -Exponent;
    }

    while (Pos < Size && IsBlank(Text[Pos]))
        ++Pos;
    if (Pos != Size)
        return ADefault;

    // Gather the significant digits as 0.DDD x 10^Point, skipping the separator and the zeros at
    // either end, so the conversion's work stays bounded however long the input is.
    auto DigitAt = [&](qsizetype Index) {
        return Index < WholeCount ? Text[WholeStart + Index] : Text[FractionStart + Index - WholeCount];
    };
    const qsizetype DigitCount = WholeCount + FractionCount;
    qsizetype First = 0;
    while (First < DigitCount && DigitAt(First) == u'0')
        ++First;
    qsizetype Last = DigitCount;
    while (Last > First && DigitAt(Last - 1) == u'0')
        --Last;

    std::string Digits;
    const qsizetype Kept = std::min(Last - First, MaxSignificantDigits);
    Digits.reserve(Kept + 1);
    for (qsizetype I = First; I < First + Kept; ++I)
        Digits += char(DigitAt(I));
    // The dropped tail ends in a non-zero digit, so it only pushes the value off any halfway point.
    if (First + Kept < Last)
        Digits += '1';
    const long long Point =
        std::clamp(static_cast<long long>(WholeCount - First) + Exponent, -ExponentClamp, ExponentClamp);

    const SoftExtended Value = NearestToDecimal(Negative, Digits, Point);
    if (Value.IsInf())
        return ADefault;
    return static_cast<Extended>(Value);
}

std::int64_t StrToInt64Def(const QString& AText, std::int64_t ADefault)
{
    const char16_t* const Text = reinterpret_cast<const char16_t*>(AText.constData());
    const qsizetype Size = AText.size();
    qsizetype Pos = 0;
    const bool Negative = SkipBlanksAndSign(Text, Size, Pos);
    const qsizetype DigitsStart = Pos;
    // The magnitude is gathered unsigned so that the most negative value, one beyond the largest
    // positive one, still fits.
    const std::uint64_t Limit = Negative ? std::uint64_t(1) << 63 : (std::uint64_t(1) << 63) - 1;
    std::uint64_t Magnitude = 0;
    while (Pos < Size && IsDigit(Text[Pos])) {
        const unsigned Digit = Text[Pos] - u'0';
        if (Magnitude > (Limit - Digit) / 10)
            return ADefault;
        Magnitude = Magnitude * 10 + Digit;
        ++Pos;
    }
    if (Pos == DigitsStart || Pos != Size)
        return ADefault;
    if (!Negative)
        return static_cast<std::int64_t>(Magnitude);
    return Magnitude == Limit ? INT64_MIN : -static_cast<std::int64_t>(Magnitude);
}
