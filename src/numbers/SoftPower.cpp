#include "numbers/SoftPower.h"

#include <utility>

// The power is exp(y · ln x), carried out in 128-bit integer arithmetic with some 40 bits to spare over
// the 64 that are kept, so the one rounding at the end is almost always the correct one and never off by
// more than a unit.
namespace {
constexpr TUInt128 Low64 = ~std::uint64_t(0);

// A non-negative number Significand × 2^Exponent, the significand's top bit set unless it is zero.
struct TWide
{
    TUInt128 Significand = 0;
    int Exponent = 0;
};

struct TSignedWide
{
    bool Negative = false;
    TWide Magnitude;
};

TWide Normalised(TUInt128 ASignificand, int AExponent)
{
    if (ASignificand == 0)
        return {};
    const int Shift = CountLeadingZeros(ASignificand);
    return {ASignificand << Shift, AExponent - Shift};
}

// The top half of the 256-bit product.
TUInt128 MultiplyHigh(TUInt128 A, TUInt128 B)
{
    const TUInt128 LowLow = (A & Low64) * (B & Low64);
    const TUInt128 LowHigh = (A & Low64) * (B >> 64);
    const TUInt128 HighLow = (A >> 64) * (B & Low64);
    const TUInt128 Middle = (LowLow >> 64) + (LowHigh & Low64) + (HighLow & Low64);
    return (A >> 64) * (B >> 64) + (LowHigh >> 64) + (HighLow >> 64) + (Middle >> 64);
}

// The 128 leading bits of the 192-bit product; A and B not zero.
TWide Multiply(std::uint64_t A, TWide B)
{
    const TUInt128 Low = (B.Significand & Low64) * A;
    const TUInt128 Top = (B.Significand >> 64) * A + (Low >> 64);
    const auto Bottom = static_cast<std::uint64_t>(Low);
    const int Shift = CountLeadingZeros(Top);
    if (Shift == 0)
        return {Top, B.Exponent + 64};
    return {Top << Shift | TUInt128(Bottom >> (64 - Shift)), B.Exponent + 64 - Shift};
}

TSignedWide Sum(TSignedWide A, TSignedWide B)
{
    if (B.Magnitude.Significand == 0)
        return A;
    if (A.Magnitude.Exponent < B.Magnitude.Exponent ||
        (A.Magnitude.Exponent == B.Magnitude.Exponent && A.Magnitude.Significand < B.Magnitude.Significand))
        std::swap(A, B);
    const int Distance = A.Magnitude.Exponent - B.Magnitude.Exponent;
    // Both one bit down, leaving room for a carry.
    const TUInt128 Large = A.Magnitude.Significand >> 1;
    const TUInt128 Small = Distance >= 127 ? 0 : B.Magnitude.Significand >> (Distance + 1);
    const TUInt128 Total = A.Negative == B.Negative ? Large + Small : Large - Small;
    return {A.Negative, Normalised(Total, A.Magnitude.Exponent + 1)};
}

// ANumerator / ADenominator to 128 bits, truncated; both below 2^126, the numerator not zero.
TWide Quotient(TUInt128 ANumerator, TUInt128 ADenominator)
{
    int Exponent = -127;
    while (ANumerator < ADenominator) {
        ANumerator <<= 1;
        --Exponent;
    }
    while (ANumerator >= ADenominator << 1) {
        ADenominator <<= 1;
        ++Exponent;
    }
    TUInt128 Result = 0;
    for (int Bit = 0; Bit < 128; ++Bit) {
        Result <<= 1;
        if (ANumerator >= ADenominator) {
            ANumerator -= ADenominator;
            Result |= 1;
        }
        ANumerator <<= 1;
    }
    return {Result, Exponent};
}

// 2 · atanh(N / D) = ln((D + N) / (D − N)), for 0 < N / D < 1/2.
TWide TwiceAtanh(TUInt128 ANumerator, TUInt128 ADenominator)
{
    const TWide Z = Quotient(ANumerator, ADenominator);
    // z² as a fraction of 2^128.
    const int SquareShift = -(256 + 2 * Z.Exponent);
    const TUInt128 Square =
        SquareShift >= 128 ? 0 : MultiplyHigh(Z.Significand, Z.Significand) >> SquareShift;
    // atanh(z) / z = 1 + z²/3 + z⁴/5 + ..., as a multiple of 2^-127.
    TUInt128 Series = TUInt128(1) << 127;
    TUInt128 Divisor = 3;
    for (TUInt128 Term = Square; Term != 0; Term = MultiplyHigh(Term, Square), Divisor += 2)
        Series += (Term / Divisor) >> 1;
    return Normalised(MultiplyHigh(Z.Significand, Series), Z.Exponent + 2);
}

const TWide& Ln2()
{
    static const TWide Value = TwiceAtanh(1, 3);
    return Value;
}

// ln x for a positive finite x given with a normalised significand.
TSignedWide Ln(SoftExtended::TParts AValue)
{
    // x = m · 2^e with m between √½ and √2, so that ln m = 2 · atanh((m − 1) / (m + 1)) converges fast.
    const int Scale = TUInt128(AValue.Significand) * AValue.Significand > TUInt128(1) << 127 ? 64 : 63;
    const TUInt128 One = TUInt128(1) << Scale;
    const TUInt128 M = AValue.Significand;
    const int E = AValue.Exponent + Scale;
    TSignedWide LnM{M < One, {}};
    if (M != One)
        LnM.Magnitude = TwiceAtanh(M < One ? One - M : M - One, M + One);
    if (E == 0)
        return LnM;
    const TSignedWide ELn2{E < 0, Multiply(static_cast<std::uint64_t>(E < 0 ? -E : E), Ln2())};
    return Sum(ELn2, LnM);
}

SoftExtended SignedZero(bool ANegative)
{
    return ANegative ? -SoftExtended() : SoftExtended();
}

// e^t for t = AFactor · ln ABase, with ABase positive and finite and AFactor finite and not zero.
SoftExtended ExpOfProduct(bool ANegative, SoftExtended ABase, SoftExtended AFactor)
{
    SoftExtended::TParts Base = ABase.Parts();
    SoftExtended::TParts Factor = AFactor.Parts();
    for (SoftExtended::TParts* Parts : {&Base, &Factor}) {
        const int Shift = std::countl_zero(Parts->Significand);
        Parts->Significand <<= Shift;
        Parts->Exponent -= Shift;
    }
    const TSignedWide LnBase = Ln(Base);
    const TWide T = Multiply(Factor.Significand,
                             {LnBase.Magnitude.Significand, LnBase.Magnitude.Exponent + Factor.Exponent});
    const bool NegativeT = LnBase.Negative != Factor.Negative;
    // |t| ≥ 2^14 is far past the range: e^11357 overflows, e^-11400 is below the smallest subnormal.
    if (T.Exponent + 127 >= 14)
        return NegativeT ? SignedZero(ANegative) : SoftExtended::Infinity(ANegative);

    // t = k · ln 2 + r with r in [0, ln 2), in fixed point with 112 fractional bits.
    const int FixedShift = -(T.Exponent + 112);
    const TUInt128 TFixed = FixedShift >= 128 ? 0 : T.Significand >> FixedShift;
    const TUInt128 Ln2Fixed = Ln2().Significand >> -(Ln2().Exponent + 112);
    const TUInt128 Whole = TFixed / Ln2Fixed;
    TUInt128 Rest = TFixed - Whole * Ln2Fixed;
    int K = static_cast<int>(Whole);
    if (NegativeT) {
        K = -K;
        if (Rest != 0) {
            --K;
            Rest = Ln2Fixed - Rest;
        }
    }
    // e^r = 1 + r + r²/2! + ..., as a multiple of 2^-126; r as a fraction of 2^128.
    const TUInt128 R = Rest << 16;
    TUInt128 Exp = TUInt128(1) << 126;
    TUInt128 Divisor = 2;
    for (TUInt128 Term = R; Term != 0; Term = MultiplyHigh(Term, R) / Divisor, ++Divisor)
        Exp += Term >> 2;
    return SoftExtended::Rounded(ANegative, K - 126, Exp, true);
}

// -1 when AValue is not a whole number, else 0 when it is even and 1 when it is odd. Finite values only.
int Parity(SoftExtended AValue)
{
    const SoftExtended::TParts Parts = AValue.Parts();
    if (Parts.Exponent > 0 || Parts.Significand == 0)
        return 0;
    const int Drop = -Parts.Exponent;
    if (Drop >= 64)
        return -1;
    if (Parts.Significand & ((std::uint64_t(1) << Drop) - 1))
        return -1;
    return static_cast<int>((Parts.Significand >> Drop) & 1);
}
} // namespace

SoftExtended Power(SoftExtended ABase, SoftExtended AExponent)
{
    if (AExponent == 0 || ABase == 1)
        return 1;
    if (IsNaN(ABase) || IsNaN(AExponent))
        return ABase + AExponent; // a quiet NaN
    const bool Negative = SignBit(ABase) && IsFinite(AExponent) && Parity(AExponent) == 1;
    if (IsInf(AExponent)) {
        const std::partial_ordering Magnitude = Abs(ABase) <=> 1;
        if (Magnitude == 0)
            return 1;
        return (Magnitude > 0) == (AExponent > 0) ? SoftExtended::Infinity(false) : SoftExtended();
    }
    if (ABase == 0)
        return AExponent < 0 ? SoftExtended::Infinity(Negative) : SignedZero(Negative);
    if (IsInf(ABase))
        return AExponent > 0 ? SoftExtended::Infinity(Negative) : SignedZero(Negative);
    if (SignBit(ABase) && Parity(AExponent) < 0)
        return SoftExtended::DefaultNaN();
    if (Abs(ABase) == 1)
        return Negative ? -1 : 1;
    return ExpOfProduct(Negative, Abs(ABase), AExponent);
}
