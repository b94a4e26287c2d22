#pragma once

#include <QString>

// Case-insensitive comparison: 0 when equal, negative or positive by order.
int CompareText(const QString& A, const QString& B);

// Replaces the first occurrence of AOld in AText by ANew, case-sensitively; the rest stays as it is.
QString StringReplace(const QString& AText, const QString& AOld, const QString& ANew);
