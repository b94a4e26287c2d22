#include "controls/ComboBox.h"

#include "controls/ControlAnnouncements.h"

#include <QScopedValueRollback>

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
    const QScopedValueRollback closed(m_pickingClosed, true);
    QComboBox::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    m_indexBeforePick = currentIndex();
    const QScopedValueRollback closed(m_pickingClosed, true);
    QComboBox::wheelEvent(event);
}

void ComboBox::userActivated(int index)
{
    if (index == m_indexBeforePick)
        return;
    m_indexBeforePick = index;
    // Told before the change runs, so that what the change tells follows it. A screen reader reads a
    // choice made in the open list there; Qt tells it none made with the list closed.
    if (m_pickingClosed && ControlAnnouncements().ChoiceMade)
        ControlAnnouncements().ChoiceMade(this, itemText(index));
    Q_EMIT change();
}
