#include "controls/TrackBar.h"

#include <utility>

TrackBar::TrackBar(QWidget* parent) : QSlider(parent)
{
    // Qt runs every move of the user's as an action, told with the new position before the value follows
    // it; code writes the value or the range without one.
    connect(this, &QAbstractSlider::actionTriggered, this,
            [this] { m_userMoving = sliderPosition() != value(); });
}

void TrackBar::sliderChange(SliderChange AChange)
{
    if (AChange == SliderValueChange)
        m_movedByUser = std::exchange(m_userMoving, false);
    QSlider::sliderChange(AChange);
}
