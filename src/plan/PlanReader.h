#pragma once

#include "plan/Plan.h"

#include <QByteArray>
#include <variant>

// A plan, or the first problem found, in words a user understands ("The interest rate 150 is above 99.99.").
using TPlanReading = std::variant<TPlan, QString>;

// Reads the bytes of a plan file. A key the file lacks keeps its value from AStartUp, the window as it
// starts; a key the reader does not know is left alone, as a later version may add some. Every value is
// checked against what the window itself could hold, so a plan read is one the window can show.
TPlanReading ReadPlan(const QByteArray& AData, const TPlan& AStartUp);
