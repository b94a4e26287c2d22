#pragma once

#include <QString>
#include <cstdint>

// The amount of a money text such as "$1,000": the first currency string and then the first thousands
// separator are removed (only the first of each, wherever they stand) and the rest is read as a whole
// decimal number; anything else gives ADefault.
std::int64_t ParseMoneyText(const QString& AText, std::int64_t ADefault);

// The currency text of an amount, as every figure of the window shows it: "$1,000", "-$1,000"; 18
// significant digits, so any whole amount below 10^18 is written out in full.
QString CurrencyText(long double AValue);

// The same for amounts that can need more than one thousands separator ("$50,000,000"): the first currency
// string and every thousands separator are removed.
std::int64_t ParseGroupedMoneyText(const QString& AText, std::int64_t ADefault);
