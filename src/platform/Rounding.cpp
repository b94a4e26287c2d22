#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>

namespace
{
// From 2^63 on, every extended value is a whole number: its spacing is at least 1.
constexpr long double WholeNumbersFrom = 9223372036854775808.0L;

// 10^N by repeated multiplication: exact up to 10^27, infinity once past the extended range.
long double PowerOfTen(int N)
{
    long double Result = 1.0L;
    for (int I = 0; I < N && !std::isinf(Result); ++I)
        Result *= 10.0L;
    return Result;
}
} // namespace

long double RoundTo(long double AValue, int ADigit)
{
    if (!std::isfinite(AValue))
        return AValue;
    if (ADigit == 0)
        return std::nearbyint(AValue);

    // Beyond these bounds the factor is infinite anyway; clamping keeps the negation below defined.
    ADigit = std::clamp(ADigit, -5000, 5000);

    if (ADigit < 0) {
        const long double Factor = PowerOfTen(-ADigit);
        const long double Scaled = AValue * Factor;
        // Scaled past 2^63, the decimal step is within an ulp or so of the value: keep the value rather
        // than let the division back disturb its last bit.
        if (!std::isfinite(Scaled) || std::fabs(Scaled) >= WholeNumbersFrom)
            return AValue;
        return std::nearbyint(Scaled) / Factor;
    }

    const long double Factor = PowerOfTen(ADigit);
    // Every finite value is less than half of 10^4933, so its nearest multiple of it is zero.
    if (std::isinf(Factor))
        return std::copysign(0.0L, AValue);
    const long double Scaled = AValue / Factor;
    // Likewise here: the quotient is already whole and multiplying back could only disturb the value.
    if (std::fabs(Scaled) >= WholeNumbersFrom)
        return AValue;
    return std::nearbyint(Scaled) * Factor;
}
