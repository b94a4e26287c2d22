#pragma once

#include "goal/GoalSolver.h"

#include <QString>
#include <QStringList>

// The choices of "By changing:", in the order of TGoalChange.
QStringList GoalChangeItems();

// The answer as one sentence: what value gives which total after how many years, or that even the end of
// the range falls short. ADepositFrequency names how often the regular deposit is paid ("Monthly").
QString GoalAnswerText(TGoalChange AChange, const TGoalAnswer& AAnswer, const QString& ADepositFrequency);
