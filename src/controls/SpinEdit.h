#pragma once

#include <QSpinBox>

// A whole-number box that lets any number be typed and leaves the limits to its change handler: Value()
// reads the text, MinValue() when it does not read as a number (an emptied box), and change() runs
// whenever the text changes, typed, stepped or written through setValue(). The box never rewrites a text
// by itself: an emptied box stays empty when left, and the arrows step from the number it reads.
class SpinEdit : public QSpinBox
{
    Q_OBJECT
    // What the text reads, for every reader that asks the property (a screen reader among them), rather than
    // the spin box's own number, which an unreadable text leaves out of range.
    Q_PROPERTY(int value READ Value WRITE setValue)
    Q_PROPERTY(int minValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ MaxValue WRITE setMaxValue)

public:
    explicit SpinEdit(QWidget* parent = nullptr);

    int Value() const;
    // Value() pulled into MinValue()..MaxValue(), for readers that must never see a number outside them.
    int ValueInRange() const;
    int MinValue() const { return m_minValue; }
    void setMinValue(int value) { m_minValue = value; }
    int MaxValue() const { return m_maxValue; }
    void setMaxValue(int value) { m_maxValue = value; }
    // Also runs change() when the number written puts back a text the user had emptied.
    void setValue(int value);

    void stepBy(int steps) override;

Q_SIGNALS:
    void change();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    StepEnabled stepEnabled() const override;

private:
    void textWasChanged();

    QString m_lastText;
    // A spin box's own default range until the form gives its limits.
    int m_minValue = 0;
    int m_maxValue = 99;
};
