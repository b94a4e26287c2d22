#pragma once

#include "plan/PlanReader.h"

#include <QString>

// The largest file read as a plan: far more than any plan takes, far less than would keep the window busy.
inline constexpr qint64 MaxPlanFileSize = 1024 * 1024;

// Reads the plan file at APath (see ReadPlan); a file that is missing, unreadable, a folder or larger than
// MaxPlanFileSize is a problem in the user's words.
TPlanReading ReadPlanFile(const QString& APath, const TPlan& AStartUp);

// Writes APlan to APath through a temporary file that replaces it only once fully written, so a failure
// (a folder without write permission, a full disk) leaves an existing file whole. Empty when written, else
// the problem in the user's words.
QString WritePlanFile(const QString& APath, const TPlan& APlan);
