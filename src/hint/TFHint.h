#pragma once

#include <QWidget>

// The small borderless window that follows the mouse over the bar graph with the figures of the year
// under it. It never takes the focus from the main window.
class TFHint : public QWidget
{
    Q_OBJECT

public:
    explicit TFHint(QWidget* parent = nullptr);
};

// The one hover window of the program, created hidden at start-up.
extern TFHint* FHint;
