#pragma once

#include <QSlider>

// A track bar that tells its change handler whether the user moved it (a key, the mouse or the wheel on
// the bar) or code did (a range narrowed under the position), so that only the user's moves are spoken.
class TrackBar : public QSlider
{
    Q_OBJECT

public:
    explicit TrackBar(QWidget* parent = nullptr);

    // Whether the latest change of the value, the one valueChanged is telling now, was the user's.
    bool movedByUser() const { return m_movedByUser; }

protected:
    void sliderChange(SliderChange AChange) override;

private:
    bool m_userMoving = false;
    bool m_movedByUser = false;
};
