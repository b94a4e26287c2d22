#include "numbers/DecimalToExtended.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace {
// 10^4934 · 0.1 is past the largest value; 10^-4951 is below half the smallest subnormal.
constexpr long long OverflowPoint = 4934;
constexpr long long UnderflowPoint = -4951;

// A natural number in base 2^32, least significant limb first, without leading zero limbs.
using TNatural = std::vector<std::uint32_t>;

void MultiplyAdd(TNatural& A, std::uint32_t AFactor, std::uint32_t AAddend)
{
    std::uint64_t Carry = AAddend;
    for (std::uint32_t& Limb : A) {
        const std::uint64_t Product = std::uint64_t(Limb) * AFactor + Carry;
        Limb = static_cast<std::uint32_t>(Product);
        Carry = Product >> 32;
    }
    if (Carry != 0)
        A.push_back(static_cast<std::uint32_t>(Carry));
}

TNatural FromDigits(std::string_view ADigits)
{
    TNatural Result;
    for (std::size_t Start = 0; Start < ADigits.size(); Start += 9) {
        const std::size_t Count = std::min<std::size_t>(9, ADigits.size() - Start);
        std::uint32_t Chunk = 0;
        std::uint32_t Scale = 1;
        for (std::size_t I = Start; I < Start + Count; ++I) {
            Chunk = Chunk * 10 + static_cast<std::uint32_t>(ADigits[I] - '0');
            Scale *= 10;
        }
        MultiplyAdd(Result, Scale, Chunk);
    }
    while (!Result.empty() && Result.back() == 0)
        Result.pop_back();
    return Result;
}

void MultiplyByPowerOfFive(TNatural& A, long long AExponent)
{
    constexpr std::uint32_t FiveToThe13 = 1220703125;
    for (; AExponent >= 13; AExponent -= 13)
        MultiplyAdd(A, FiveToThe13, 0);
    std::uint32_t Rest = 1;
    for (; AExponent > 0; --AExponent)
        Rest *= 5;
    MultiplyAdd(A, Rest, 0);
}

long long BitLength(const TNatural& A)
{
    if (A.empty())
        return 0;
    return 32 * static_cast<long long>(A.size() - 1) + (32 - std::countl_zero(A.back()));
}

void ShiftLeft(TNatural& A, long long ABits)
{
    if (A.empty() || ABits <= 0)
        return;
    const int Bits = static_cast<int>(ABits % 32);
    if (Bits != 0) {
        std::uint32_t Carry = 0;
        for (std::uint32_t& Limb : A) {
            const std::uint32_t Next = Limb >> (32 - Bits);
            Limb = Limb << Bits | Carry;
            Carry = Next;
        }
        if (Carry != 0)
            A.push_back(Carry);
    }
    A.insert(A.begin(), static_cast<std::size_t>(ABits / 32), 0);
}

void Halve(TNatural& A)
{
    for (std::size_t I = 0; I < A.size(); ++I)
        A[I] = A[I] >> 1 | (I + 1 < A.size() ? A[I + 1] << 31 : 0);
    if (!A.empty() && A.back() == 0)
        A.pop_back();
}

bool Less(const TNatural& A, const TNatural& B)
{
    if (A.size() != B.size())
        return A.size() < B.size();
    return std::lexicographical_compare(A.rbegin(), A.rend(), B.rbegin(), B.rend());
}

// A − B for A ≥ B.
void Subtract(TNatural& A, const TNatural& B)
{
    std::uint32_t Borrow = 0;
    for (std::size_t I = 0; I < A.size(); ++I) {
        const std::uint64_t Take = std::uint64_t(I < B.size() ? B[I] : 0) + Borrow;
        Borrow = A[I] < Take ? 1 : 0;
        A[I] = static_cast<std::uint32_t>(A[I] - Take);
    }
    while (!A.empty() && A.back() == 0)
        A.pop_back();
}
} // namespace

SoftExtended NearestToDecimal(bool ANegative, std::string_view ADigits, long long APoint)
{
    const SoftExtended Zero = ANegative ? -SoftExtended() : SoftExtended();
    TNatural Numerator = FromDigits(ADigits);
    if (Numerator.empty() || APoint < UnderflowPoint)
        return Zero;
    if (APoint > OverflowPoint)
        return SoftExtended::Infinity(ANegative);

    // The value is Numerator / Denominator × 2^Scale.
    const long long Scale = APoint - static_cast<long long>(ADigits.size());
    TNatural Denominator{1};
    MultiplyByPowerOfFive(Scale >= 0 ? Numerator : Denominator, Scale >= 0 ? Scale : -Scale);
    // Scaled so that the quotient has 66 or 67 bits: enough to round, with the remainder telling the rest.
    const long long Shift = 66 + BitLength(Denominator) - BitLength(Numerator);
    ShiftLeft(Numerator, Shift);
    ShiftLeft(Denominator, std::max(-Shift, 0LL) + 66);
    TUInt128 Quotient = 0;
    for (int Bit = 66; Bit >= 0; --Bit) {
        Quotient <<= 1;
        if (!Less(Numerator, Denominator)) {
            Subtract(Numerator, Denominator);
            Quotient |= 1;
        }
        Halve(Denominator);
    }
    return SoftExtended::Rounded(ANegative, static_cast<int>(Scale - Shift), Quotient, !Numerator.empty());
}
