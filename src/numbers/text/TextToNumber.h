#pragma once

#include "numbers/Extended.h"

#include <QString>
#include <cstdint>

// Reads blanks, an optional sign, digits with at most one decimal separator (FormatSettings()) and digits
// on either side, an optional exponent and blanks. "." reads as 0, "5." as 5, ".5" as 0.5; an empty text,
// a lone sign, "5..", "1.2.3", hex, "inf", "nan" and a value beyond the extended range give ADefault.
// The conversion is correctly rounded to extended precision on every CPU and independent of the C locale.
Extended StrToFloatDef(const QString& AText, Extended ADefault);

// Reads leading blanks, an optional sign and decimal digits; anything else, or a value outside the signed
// 64-bit range, gives ADefault.
std::int64_t StrToInt64Def(const QString& AText, std::int64_t ADefault);
