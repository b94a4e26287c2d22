#pragma once

#include <QLabel>

// A label showing a figure beside its caption ("Total savings:" and "$2,887"): screen readers read the
// figure labelled by the caption (FigureAccessible) and are told when the figure changes.
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
