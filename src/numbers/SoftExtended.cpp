#include "numbers/SoftExtended.h"

#include <cmath>
#include <limits>

SoftExtended SoftExtended::PropagatedNaN(SoftExtended A, SoftExtended B)
{
    const SoftExtended NaN = A.IsNaN() ? A : B;
    return FromBits(NaN.signExponent | ExponentMask, NaN.significand | IntegerBit | QuietBit);
}

SoftExtended SoftExtended::Rounded(bool ANegative, int AExponent, TUInt128 AMagnitude, bool AInexact)
{
    if (AMagnitude == 0)
        return SignedZero(ANegative);
    // With the leading bit at 127, at least 64 bits lie below the last one kept, so the dropped part and
    // AInexact together say exactly whether the value is below, at or above the halfway point.
    const int Shift = CountLeadingZeros(AMagnitude);
    AMagnitude <<= Shift;
    AExponent -= Shift;
    const int Leading = AExponent + 127;
    if (Leading > MaxExponent)
        return Infinity(ANegative);
    // A normal result keeps the upper half; a subnormal one fewer bits, down to none.
    int Quantum = Leading - 63;
    auto Kept = static_cast<std::uint64_t>(AMagnitude >> 64);
    TUInt128 Rest = AMagnitude << 64; // the dropped bits, moved up so that the halfway point is bit 127
    if (Quantum < MinQuantum) {
        const int Drop = MinQuantum - AExponent;
        Quantum = MinQuantum;
        Kept = Drop < 128 ? static_cast<std::uint64_t>(AMagnitude >> Drop) : 0;
        Rest = Drop <= 128 ? AMagnitude << (128 - Drop) : 0;
    }
    constexpr TUInt128 Half = TUInt128(1) << 127;
    if ((Rest > Half || (Rest == Half && (AInexact || (Kept & 1)))) && ++Kept == 0) {
        Kept = IntegerBit;
        ++Quantum;
    }
    if (!(Kept & IntegerBit)) // subnormal or zero: only possible at the smallest quantum
        return FromBits(Sign(ANegative), Kept);
    const int Biased = Quantum + 63 + Bias;
    if (Biased >= ExponentMask)
        return Infinity(ANegative);
    return FromBits(static_cast<std::uint16_t>(Biased | Sign(ANegative)), Kept);
}

SoftExtended SoftExtended::AddRare(SoftExtended A, SoftExtended B)
{
    if (A.IsNaN() || B.IsNaN())
        return PropagatedNaN(A, B);
    if (A.IsInf() || B.IsInf()) {
        if (A.IsInf() && B.IsInf() && A.IsNegative() != B.IsNegative())
            return DefaultNaN();
        return A.IsInf() ? A : B;
    }
    if (A.IsZero() || B.IsZero()) {
        if (!B.IsZero())
            return B;
        return A.IsZero() ? SignedZero(A.IsNegative() && B.IsNegative()) : A;
    }
    return AddFinite(A, B); // subnormals
}

SoftExtended SoftExtended::MultiplyRare(SoftExtended A, SoftExtended B)
{
    if (A.IsNaN() || B.IsNaN())
        return PropagatedNaN(A, B);
    if (A.IsInf() || B.IsInf())
        return A.IsZero() || B.IsZero() ? DefaultNaN() : Infinity(A.IsNegative() != B.IsNegative());
    return MultiplyFinite(A, B); // zeros and subnormals
}

SoftExtended SoftExtended::DivideRare(SoftExtended A, SoftExtended B)
{
    if (A.IsNaN() || B.IsNaN())
        return PropagatedNaN(A, B);
    const bool Negative = A.IsNegative() != B.IsNegative();
    if (A.IsInf())
        return B.IsInf() ? DefaultNaN() : Infinity(Negative);
    if (B.IsInf())
        return SignedZero(Negative);
    if (B.IsZero())
        return A.IsZero() ? DefaultNaN() : Infinity(Negative);
    if (A.IsZero())
        return SignedZero(Negative);
    return DivideFinite(A, B); // subnormals
}

SoftExtended::SoftExtended(long double AValue)
{
    if (std::isnan(AValue)) {
        *this = DefaultNaN();
    } else if (std::isinf(AValue)) {
        *this = Infinity(std::signbit(AValue));
    } else if (AValue == 0) {
        *this = SignedZero(std::signbit(AValue));
    } else {
        // Two 64-bit slices of the significand, scaled exactly; whatever lies below them is only inexactness.
        int Exponent = 0;
        const long double Fraction = std::frexp(std::fabs(AValue), &Exponent);
        const long double High = std::ldexp(Fraction, 64);
        const auto HighBits = static_cast<std::uint64_t>(High);
        const long double Low = std::ldexp(High - static_cast<long double>(HighBits), 64);
        const auto LowBits = static_cast<std::uint64_t>(Low);
        *this = Rounded(std::signbit(AValue), Exponent - 128, TUInt128(HighBits) << 64 | LowBits,
                        Low != static_cast<long double>(LowBits));
    }
}

SoftExtended::operator long double() const
{
    if (IsNaN())
        return std::copysign(std::numeric_limits<long double>::quiet_NaN(), IsNegative() ? -1.0L : 1.0L);
    if (IsInf())
        return IsNegative() ? -std::numeric_limits<long double>::infinity()
                            : std::numeric_limits<long double>::infinity();
    const SoftExtended::TParts Value = Parts();
    const long double Magnitude = std::ldexp(static_cast<long double>(Value.Significand), Value.Exponent);
    return Value.Negative ? -Magnitude : Magnitude;
}

SoftExtended::operator double() const
{
    return static_cast<double>(static_cast<long double>(*this));
}

SoftExtended RoundHalfEven(SoftExtended AValue)
{
    if (!IsFinite(AValue) || AValue.IsZero())
        return AValue;
    const SoftExtended::TParts Value = AValue.Parts();
    if (Value.Exponent >= 0)
        return AValue; // already whole
    const int Drop = -Value.Exponent;
    if (Drop > 64)
        return Value.Negative ? -SoftExtended() : SoftExtended(); // below a half
    std::uint64_t Whole = Drop < 64 ? Value.Significand >> Drop : 0;
    // The fraction moved to the top, so that a half is bit 63.
    const std::uint64_t Fraction = Drop < 64 ? Value.Significand << (64 - Drop) : Value.Significand;
    const std::uint64_t Half = SoftExtended::IntegerBit;
    if (Fraction > Half || (Fraction == Half && (Whole & 1)))
        ++Whole;
    return SoftExtended::Rounded(Value.Negative, 0, Whole, false);
}
