#pragma once

#include <QHash>
#include <QString>

// Every figure the help's text can state, by the name of its placeholder: the inputs of its worked examples
// ("start.rate"), what the program's own calculation gives for them ("start.y2.interest", "start.last.total",
// "blocks.p3.earning"), and the ranges and counts of the inputs ("limits.max-amount", "count.weekly").
QHash<QString, QString> HelpFigures();
