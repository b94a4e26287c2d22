#pragma once

#include "plan/Plan.h"

#include <QByteArray>

// The plan as the bytes of a plan file: indented JSON text with every key, which ReadPlan reads back to the
// same plan.
QByteArray WritePlan(const TPlan& APlan);
