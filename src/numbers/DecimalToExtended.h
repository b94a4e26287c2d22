#pragma once

#include "numbers/SoftExtended.h"

#include <string_view>

// The extended value nearest to ±0.D1 D2 ... Dn × 10^APoint, ties to even, from ADigits = "D1 D2 ... Dn"
// ('0' to '9'): one rounding of the exact decimal value, on every CPU alike. Past the largest value it gives
// infinity, below half the smallest subnormal a zero of the sign.
SoftExtended NearestToDecimal(bool ANegative, std::string_view ADigits, long long APoint);
