#pragma once

#include <QLabel>

// A label showing a figure for a caption that is its accessible name ("Total savings" and "$2,887"):
// screen readers hear both in one go (FigureAccessible), and hear it again when the figure changes.
class FigureLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Tells assistive technology of a figure it has not heard yet. QLabel stays silent when a label with
    // a name of its own changes its text, and a figure is worth hearing only once it is complete.
    void announceChange();

private:
    QString m_announced;
};
