#pragma once

#include <QComboBox>

// A drop-down list whose change() runs only when the user picks an item other than the current one;
// filling the items or choosing an item from code runs nothing.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    void showPopup() override;

Q_SIGNALS:
    void change();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void userActivated(int index);

    // The item chosen when the user began to pick: the popup opened, a key or the wheel turned.
    int m_indexBeforePick = -1;
    // A key or the wheel is picking with the list closed, where nothing shows the choice but the list.
    bool m_pickingClosed = false;
};
