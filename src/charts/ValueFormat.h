#pragma once

#include <QString>

// Formats a value by a picture such as " $#,##0.###": the text before and after the digit section is kept
// as it stands; in the section "," groups thousands, "0" is a digit always shown and "#" one shown only
// when it carries something, so " $#,##0.###" gives " $2,500" and " $0.125". A minus goes after the
// picture's leading blanks (" -$1,000"). Any value gives a readable text: "INF", "-INF", "NAN", and a
// scientific form beyond 15 whole digits, where grouped digits would only pretend to a precision a chart
// value does not have.
QString FormatChartValue(double AValue, const QString& APicture);
