#pragma once

#include "numbers/SoftExtended.h"

// ABase raised to AExponent: the nearest extended value, except where the exact power lies within some
// 2^-40 of a unit of a halfway point, and even then one of its two neighbours (faithful rounding); exact
// where the power is representable. The special cases are those of the C library's pow: anything to the power
// 0 and 1 to any power give 1, a negative base needs a whole exponent, 0 to a negative power is infinite.
SoftExtended Power(SoftExtended ABase, SoftExtended AExponent);
