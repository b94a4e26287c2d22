#pragma once

#include <QString>

enum class TFloatFormat
{
    ffCurrency, // "$1,234": currency string before the grouped digits, "-$1,234" when negative
    ffNumber,   // "1,234.50": grouped digits with a fixed number of decimals
};

// Formats AValue under FormatSettings(): rounded to APrecision significant digits, then shown with ADigits
// decimals. Any input gives a readable text: infinities read "INF"/"-INF", NaN "NAN", and a value with more
// whole digits than APrecision is shown in scientific form ("$1.5E+30") instead of a wall of digits.
QString FloatToStrF(long double AValue, TFloatFormat AFormat, int APrecision, int ADigits);
