#pragma once

#include <QFrame>

// A panel with a sunken line along its bottom edge, the kind that separates two areas of a window. The line
// is kept out of the panel's contents, so children aligned inside never cover it.
class BevelPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int bottomBevel READ bottomBevel WRITE setBottomBevel)

public:
    using QFrame::QFrame;

    int bottomBevel() const { return m_bottomBevel; }
    void setBottomBevel(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_bottomBevel = 0;
};
