#include "platform/ComboBox.h"

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, &ComboBox::userActivated);
}

void ComboBox::showPopup()
{
    m_indexBeforePick = currentIndex();
    QComboBox::showPopup();
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    m_indexBeforePick = currentIndex();
    QComboBox::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    m_indexBeforePick = currentIndex();
    QComboBox::wheelEvent(event);
}

void ComboBox::userActivated(int index)
{
    if (index == m_indexBeforePick)
        return;
    m_indexBeforePick = index;
    Q_EMIT change();
}
