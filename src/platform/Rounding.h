#pragma once

// Rounds AValue to a multiple of 10^ADigit (ADigit 0: whole units), an exact half going to the even
// neighbour. Works in extended precision and never converts to an integer type, so huge, infinite and NaN
// values come back unharmed.
long double RoundTo(long double AValue, int ADigit);
