#pragma once

#include <algorithm>
#include <bit>
#include <compare>
#include <concepts>
#include <cstdint>
#include <utility>

using TUInt128 = unsigned __int128;

inline int CountLeadingZeros(TUInt128 AValue)
{
    const auto High = static_cast<std::uint64_t>(AValue >> 64);
    return High != 0 ? std::countl_zero(High) : 64 + std::countl_zero(static_cast<std::uint64_t>(AValue));
}

// The 80-bit extended format in software: a sign, a 15-bit exponent biased by 16383 and a 64-bit significand
// whose top bit is the integer bit (clear only in zeros and subnormals), the very layout of the x87. Every
// operation rounds its exact result to nearest, ties to even, as the x87 does with 64-bit precision, so a
// CPU without that format computes the same bits. No operand, however extreme, gives undefined behaviour.
// The arithmetic is defined here, inline, because the savings loop spends its time in it.
class SoftExtended
{
public:
    constexpr SoftExtended() = default; // +0

    // Exact: every 64-bit integer fits the 64-bit significand.
    template <std::signed_integral TInteger>
    SoftExtended(TInteger AValue) : SoftExtended(FromInteger(static_cast<std::int64_t>(AValue)))
    {
    }
    // Rounds to nearest where long double is wider (IEEE quad); exact where it is the x87 format.
    explicit SoftExtended(long double AValue);

    // Exact where long double is the x87 format or wider.
    explicit operator long double() const;
    explicit operator double() const;

    // A finite value as ±Significand × 2^Exponent; subnormals keep their short significand.
    struct TParts
    {
        bool Negative;
        int Exponent;
        std::uint64_t Significand;
    };
    TParts Parts() const
    {
        return {IsNegative(), std::max(signExponent & ExponentMask, 1) - Bias - 63, significand};
    }

    static SoftExtended FromBits(std::uint16_t ASignExponent, std::uint64_t ASignificand)
    {
        SoftExtended Result;
        Result.signExponent = ASignExponent;
        Result.significand = ASignificand;
        return Result;
    }
    std::uint16_t SignExponent() const { return signExponent; }
    std::uint64_t Significand() const { return significand; }

    // The nearest value to (AMagnitude + f) × 2^AExponent, where f is 0 when AInexact is false and else some
    // fraction strictly between 0 and 1: the one rounding every operation ends in. Overflow gives infinity.
    // An inexact magnitude must be at least 2^64, so that the rounding bit is among its bits.
    static SoftExtended Rounded(bool ANegative, int AExponent, TUInt128 AMagnitude, bool AInexact);
    static SoftExtended Infinity(bool ANegative)
    {
        return FromBits(Sign(ANegative) | ExponentMask, IntegerBit);
    }
    // The x87's "indefinite": what an invalid operation such as 0/0 or ∞ − ∞ gives.
    static SoftExtended DefaultNaN() { return FromBits(SignBit | ExponentMask, IntegerBit | QuietBit); }

    SoftExtended operator-() const
    {
        return FromBits(static_cast<std::uint16_t>(signExponent ^ SignBit), significand);
    }
    friend SoftExtended operator+(SoftExtended A, SoftExtended B);
    friend SoftExtended operator-(SoftExtended A, SoftExtended B) { return A + -B; }
    friend SoftExtended operator*(SoftExtended A, SoftExtended B);
    friend SoftExtended operator/(SoftExtended A, SoftExtended B);

    // NaN is unordered with everything, itself included; +0 equals −0.
    friend std::partial_ordering operator<=>(SoftExtended A, SoftExtended B);
    friend bool operator==(SoftExtended A, SoftExtended B) { return (A <=> B) == 0; }

    // Unnormals (a non-zero exponent without the integer bit) are no numbers either: the x87 rejects them.
    bool IsNaN() const
    {
        const int Biased = signExponent & ExponentMask;
        return (Biased == ExponentMask && significand != IntegerBit) ||
               (Biased != 0 && !(significand & IntegerBit));
    }
    bool IsInf() const { return (signExponent & ExponentMask) == ExponentMask && significand == IntegerBit; }
    bool IsZero() const { return (signExponent & ExponentMask) == 0 && significand == 0; }
    bool IsNegative() const { return (signExponent & SignBit) != 0; }

    static constexpr std::uint16_t SignBit = 0x8000;
    static constexpr std::uint16_t ExponentMask = 0x7FFF;
    static constexpr std::uint64_t IntegerBit = std::uint64_t(1) << 63;

private:
    static constexpr int Bias = 16383;
    // The exponent of the leading bit of the largest finite value, and the weight of a subnormal's last bit.
    static constexpr int MaxExponent = 16383;
    static constexpr int MinQuantum = 1 - Bias - 63;
    static constexpr std::uint64_t QuietBit = std::uint64_t(1) << 62;

    // Normal numbers (a biased exponent from 1 to 0x7FFE and the integer bit) take the inline paths; zeros,
    // subnormals, infinities and NaN go through the ...Rare functions, out of line.
    bool IsNormal() const
    {
        return static_cast<unsigned>((signExponent & ExponentMask) - 1) < ExponentMask - 1u &&
               (significand & IntegerBit) != 0;
    }
    // Rounded for the usual case, without its general shifting: a magnitude whose leading bit is bit 127 or
    // 126 and a normal result. Anything else goes on to Rounded.
    static SoftExtended RoundedNear(bool ANegative, int AExponent, TUInt128 AMagnitude, bool AInexact);
    static SoftExtended AddFinite(SoftExtended A, SoftExtended B);
    static SoftExtended AddRare(SoftExtended A, SoftExtended B);
    static SoftExtended MultiplyFinite(SoftExtended A, SoftExtended B);
    static SoftExtended MultiplyRare(SoftExtended A, SoftExtended B);
    static SoftExtended DivideFinite(SoftExtended A, SoftExtended B);
    static SoftExtended DivideRare(SoftExtended A, SoftExtended B);

    static std::uint16_t Sign(bool ANegative) { return ANegative ? SignBit : 0; }
    static SoftExtended SignedZero(bool ANegative) { return FromBits(Sign(ANegative), 0); }
    // A NaN operand comes back quiet, the first one when both are NaN.
    static SoftExtended PropagatedNaN(SoftExtended A, SoftExtended B);
    // A key that orders magnitudes: the biased exponent above the significand.
    TUInt128 MagnitudeKey() const { return TUInt128(signExponent & ExponentMask) << 64 | significand; }
    static SoftExtended FromInteger(std::int64_t AValue)
    {
        // Through unsigned arithmetic, so the most negative value has a magnitude too.
        const std::uint64_t Magnitude = AValue < 0 ? 0 - static_cast<std::uint64_t>(AValue) : AValue;
        if (Magnitude == 0)
            return SoftExtended();
        const int Shift = std::countl_zero(Magnitude);
        return FromBits(static_cast<std::uint16_t>(Sign(AValue < 0) | (Bias + 63 - Shift)),
                        Magnitude << Shift);
    }

    std::uint64_t significand = 0;
    std::uint16_t signExponent = 0;
};

[[gnu::always_inline]] inline SoftExtended SoftExtended::RoundedNear(bool ANegative, int AExponent,
                                                                     TUInt128 AMagnitude, bool AInexact)
{
    if (!(AMagnitude >> 127)) {
        AMagnitude <<= 1;
        --AExponent;
    }
    int Biased = AExponent + 127 + Bias;
    if (!(AMagnitude >> 127) || static_cast<unsigned>(Biased - 1) >= ExponentMask - 1u) [[unlikely]]
        return Rounded(ANegative, AExponent, AMagnitude, AInexact);
    auto Kept = static_cast<std::uint64_t>(AMagnitude >> 64);
    const auto Rest = static_cast<std::uint64_t>(AMagnitude);
    if ((Rest > IntegerBit || (Rest == IntegerBit && (AInexact || (Kept & 1)))) && ++Kept == 0) {
        Kept = IntegerBit;
        ++Biased;
    }
    if (Biased >= ExponentMask)
        return Infinity(ANegative);
    return FromBits(static_cast<std::uint16_t>(Biased | Sign(ANegative)), Kept);
}

// A by-64 division of a two-word number below Divisor · 2^64, Divisor's top bit set, by multiplying with
// the divisor's reciprocal (Möller and Granlund's method). The reciprocal of the last divisor is kept: the
// savings loop divides by the same period count over and over, and a reciprocal costs a full division.
[[gnu::always_inline]] inline std::uint64_t DivideTwoWords(std::uint64_t AHigh, std::uint64_t ALow,
                                                           std::uint64_t ADivisor, std::uint64_t& ARemainder)
{
    thread_local std::uint64_t LastDivisor = 0;
    thread_local std::uint64_t Reciprocal = 0;
    if (ADivisor != LastDivisor) {
        // ⌊(2^128 − 1) / d⌋ − 2^64, in range since d ≥ 2^63.
        Reciprocal = static_cast<std::uint64_t>((TUInt128(~ADivisor) << 64 | ~std::uint64_t(0)) / ADivisor);
        LastDivisor = ADivisor;
    }
    const TUInt128 Estimate = TUInt128(Reciprocal) * AHigh + (TUInt128(AHigh) << 64 | ALow);
    auto Quotient = static_cast<std::uint64_t>(Estimate >> 64) + 1;
    std::uint64_t Remainder = ALow - Quotient * ADivisor;
    if (Remainder > static_cast<std::uint64_t>(Estimate)) {
        --Quotient;
        Remainder += ADivisor;
    }
    if (Remainder >= ADivisor) {
        ++Quotient;
        Remainder -= ADivisor;
    }
    ARemainder = Remainder;
    return Quotient;
}

[[gnu::always_inline]] inline SoftExtended operator+(SoftExtended A, SoftExtended B)
{
    if (!A.IsNormal() || !B.IsNormal()) [[unlikely]]
        return SoftExtended::AddRare(A, B);
    return SoftExtended::AddFinite(A, B);
}

[[gnu::always_inline]] inline SoftExtended operator*(SoftExtended A, SoftExtended B)
{
    if (!A.IsNormal() || !B.IsNormal()) [[unlikely]]
        return SoftExtended::MultiplyRare(A, B);
    return SoftExtended::MultiplyFinite(A, B);
}

[[gnu::always_inline]] inline SoftExtended operator/(SoftExtended A, SoftExtended B)
{
    if (!A.IsNormal() || !B.IsNormal()) [[unlikely]]
        return SoftExtended::DivideRare(A, B);
    return SoftExtended::DivideFinite(A, B);
}

// Finite, non-zero operands.
[[gnu::always_inline]] inline SoftExtended SoftExtended::AddFinite(SoftExtended A, SoftExtended B)
{
    if (A.MagnitudeKey() < B.MagnitudeKey())
        std::swap(A, B);
    const TParts Large = A.Parts();
    const TParts Small = B.Parts();
    // Both significands sit 62 bits up, leaving room below for the smaller one's shifted-out bits; beyond
    // that, those bits only count as inexactness.
    const TUInt128 X = TUInt128(Large.Significand) << 62;
    TUInt128 Y = TUInt128(Small.Significand) << 62;
    const int Distance = Large.Exponent - Small.Exponent;
    bool Inexact = false;
    if (Distance >= 128) {
        Inexact = true;
        Y = 0;
    } else if (Distance > 0) {
        const int Lost = Distance - 62; // bits of the smaller significand that fall off the end
        Inexact = Lost >= 64 || (Lost > 0 && Small.Significand << (64 - Lost) != 0);
        Y >>= Distance;
    }
    const int Exponent = Large.Exponent - 62;
    if (Large.Negative == Small.Negative) // the sum's leading bit is bit 125 or 126
        return RoundedNear(Large.Negative, Exponent - 1, (X + Y) << 1, Inexact);
    if (X == Y)
        return SoftExtended(); // exact cancellation gives +0
    // X − (Y + f) = (X − Y − 1) + (1 − f): the lost fraction borrows one unit.
    return Rounded(Large.Negative, Exponent, X - Y - (Inexact ? 1 : 0), Inexact);
}

// Finite operands.
[[gnu::always_inline]] inline SoftExtended SoftExtended::MultiplyFinite(SoftExtended A, SoftExtended B)
{
    const TParts X = A.Parts();
    const TParts Y = B.Parts();
    return RoundedNear(X.Negative != Y.Negative, X.Exponent + Y.Exponent,
                       TUInt128(X.Significand) * Y.Significand, false);
}

// Finite, non-zero operands; subnormal significands are shifted up first.
[[gnu::always_inline]] inline SoftExtended SoftExtended::DivideFinite(SoftExtended A, SoftExtended B)
{
    TParts X = A.Parts();
    TParts Y = B.Parts();
    for (TParts* Operand : {&X, &Y}) {
        const int Shift = std::countl_zero(Operand->Significand);
        Operand->Significand <<= Shift;
        Operand->Exponent -= Shift;
    }
    // X · 2^64 / Y with a quotient that fits 64 bits: the whole 1 is taken off first when X ≥ Y.
    const bool AtLeastOne = X.Significand >= Y.Significand;
    std::uint64_t Remainder = 0;
    const std::uint64_t Quotient = DivideTwoWords(AtLeastOne ? X.Significand - Y.Significand : X.Significand,
                                                  0, Y.Significand, Remainder);
    // One quotient bit more from the remainder, so that the rounding bit is known.
    const TUInt128 Twice = TUInt128(Remainder) << 1;
    const bool Bit = Twice >= Y.Significand;
    const TUInt128 Magnitude = (TUInt128(AtLeastOne) << 64 | Quotient) << 1 | TUInt128(Bit);
    return RoundedNear(X.Negative != Y.Negative, X.Exponent - Y.Exponent - 65 - 62, Magnitude << 62,
                       Twice != (Bit ? Y.Significand : 0));
}

inline std::partial_ordering operator<=>(SoftExtended A, SoftExtended B)
{
    if (A.IsNaN() || B.IsNaN())
        return std::partial_ordering::unordered;
    if (A.IsZero() && B.IsZero())
        return std::partial_ordering::equivalent;
    if (A.IsNegative() != B.IsNegative())
        return A.IsNegative() ? std::partial_ordering::less : std::partial_ordering::greater;
    return A.IsNegative() ? B.MagnitudeKey() <=> A.MagnitudeKey() : A.MagnitudeKey() <=> B.MagnitudeKey();
}

// The nearest whole number, an exact half going to the even neighbour; the sign of a zero result is kept.
SoftExtended RoundHalfEven(SoftExtended AValue);
inline SoftExtended Abs(SoftExtended AValue)
{
    return SoftExtended::FromBits(AValue.SignExponent() & SoftExtended::ExponentMask, AValue.Significand());
}
inline bool IsNaN(SoftExtended AValue)
{
    return AValue.IsNaN();
}
inline bool IsInf(SoftExtended AValue)
{
    return AValue.IsInf();
}
inline bool IsFinite(SoftExtended AValue)
{
    return !AValue.IsNaN() && !AValue.IsInf();
}
inline bool SignBit(SoftExtended AValue)
{
    return AValue.IsNegative();
}
