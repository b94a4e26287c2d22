#pragma once

#include "numbers/Extended.h"

// Rounds AValue to a multiple of 10^ADigit (ADigit 0: whole units), an exact half going to the even
// neighbour. Works in extended precision and never converts to an integer type, so huge, infinite and NaN
// values come back unharmed.
Extended RoundTo(Extended AValue, int ADigit);

#if !PELVANTOR_HARDWARE_EXTENDED
// Layout code rounds pixel sizes held in long double; those need no particular format.
inline long double RoundTo(long double AValue, int ADigit)
{
    return static_cast<long double>(RoundTo(Extended(AValue), ADigit));
}
#endif
