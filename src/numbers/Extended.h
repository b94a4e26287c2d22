#pragma once

#include "numbers/SoftExtended.h"
#include "numbers/SoftPower.h"

#include <cfloat>
#include <cmath>

// The number type of the savings arithmetic: the 80-bit extended format, every operation rounded to nearest.
// Where long double is that format (the x87 of x86 CPUs) it is long double itself, at no cost; elsewhere it
// is the software type, which gives the same bits. Defining PELVANTOR_SOFT_EXTENDED picks the software type
// on x86 too, so it can be tested and timed there.
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && !defined(PELVANTOR_SOFT_EXTENDED)
#define PELVANTOR_HARDWARE_EXTENDED 1
using Extended = long double;
#else
#define PELVANTOR_HARDWARE_EXTENDED 0
using Extended = SoftExtended;
#endif

// The same operations on long double, so code written against Extended reads alike on both.
inline long double Power(long double ABase, long double AExponent)
{
    return std::pow(ABase, AExponent);
}
inline long double RoundHalfEven(long double AValue)
{
    return std::nearbyint(AValue); // the default rounding mode is to nearest, ties to even
}
inline long double Abs(long double AValue)
{
    return std::fabs(AValue);
}
inline bool IsNaN(long double AValue)
{
    return std::isnan(AValue);
}
inline bool IsInf(long double AValue)
{
    return std::isinf(AValue);
}
inline bool IsFinite(long double AValue)
{
    return std::isfinite(AValue);
}
inline bool SignBit(long double AValue)
{
    return std::signbit(AValue);
}
