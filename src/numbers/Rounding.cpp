#include "numbers/Rounding.h"

#include <algorithm>
#include <cstdint>

namespace {
// From 2^63 on, every extended value is a whole number: its spacing is at least 1.
const Extended WholeNumbersFrom = Extended(std::int64_t(1) << 62) * 2;

// 10^N by repeated multiplication: exact up to 10^27, infinity once past the extended range.
Extended PowerOfTen(int N)
{
    Extended Result = 1;
    for (int I = 0; I < N && !IsInf(Result); ++I)
        Result = Result * 10;
    return Result;
}
} // namespace

Extended RoundTo(Extended AValue, int ADigit)
{
    if (!IsFinite(AValue))
        return AValue;
    if (ADigit == 0)
        return RoundHalfEven(AValue);

    // Beyond these bounds the factor is infinite anyway; clamping keeps the negation below defined.
    ADigit = std::clamp(ADigit, -5000, 5000);

    if (ADigit < 0) {
        const Extended Factor = PowerOfTen(-ADigit);
        const Extended Scaled = AValue * Factor;
        // Scaled past 2^63, the decimal step is within an ulp or so of the value: keep the value rather
        // than let the division back disturb its last bit.
        if (!IsFinite(Scaled) || Abs(Scaled) >= WholeNumbersFrom)
            return AValue;
        return RoundHalfEven(Scaled) / Factor;
    }

    const Extended Factor = PowerOfTen(ADigit);
    // Every finite value is less than half of 10^4933, so its nearest multiple of it is zero.
    if (IsInf(Factor))
        return SignBit(AValue) ? -Extended(0) : Extended(0);
    const Extended Scaled = AValue / Factor;
    // Likewise here: the quotient is already whole and multiplying back could only disturb the value.
    if (Abs(Scaled) >= WholeNumbersFrom)
        return AValue;
    return RoundHalfEven(Scaled) * Factor;
}
