#pragma once

#include <QColor>

// The light blue-grey the results stand on: behind the charts and in the year tables.
inline const QColor ResultsBackground(226, 234, 241);
