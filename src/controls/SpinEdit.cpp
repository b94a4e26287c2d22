#include "controls/SpinEdit.h"

#include "numbers/text/TextToNumber.h"

#include <QLineEdit>
#include <QStyle>
#include <algorithm>
#include <limits>

namespace {
// Wide enough for any typed value of a few digits; the handler pulls it back into MinValue..MaxValue.
constexpr int TypableLimit = 999999;
// The spin box's own number while its text reads as none ("", "-", "+"), so that it never puts a number
// back behind the change handler's back.
constexpr int Unreadable = -TypableLimit - 1;
} // namespace

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent)
{
    setRange(Unreadable, TypableLimit);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    m_lastText = lineEdit()->text();
    // The spin box writes its own text (setValue, arrow keys, wheel) with the line edit's signals blocked;
    // its textChanged reports those writes, the line edit's reports typing. The guard keeps one change() each.
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::textWasChanged);
    connect(this, &QSpinBox::textChanged, this, &SpinEdit::textWasChanged);
}

void SpinEdit::setValue(int value)
{
    // An unchanged number emits nothing from the spin box even when it rewrites an emptied text.
    QSpinBox::setValue(value);
    textWasChanged();
}

void SpinEdit::textWasChanged()
{
    const QString text = lineEdit()->text();
    if (text == m_lastText)
        return;
    m_lastText = text;
    Q_EMIT change();
}

void SpinEdit::stepBy(int steps)
{
    setValue(int(std::clamp<std::int64_t>(std::int64_t(Value()) + steps, -TypableLimit, TypableLimit)));
    if (style()->styleHint(QStyle::SH_SpinBox_SelectOnStep, nullptr, this))
        selectAll();
}

QValidator::State SpinEdit::validate(QString& input, int& pos) const
{
    if (input.isEmpty() || input == u'-' || input == u'+')
        return QValidator::Acceptable;
    return QSpinBox::validate(input, pos);
}

int SpinEdit::valueFromText(const QString& text) const
{
    // The validator lets through only numbers within the range and the unreadable texts.
    return int(std::clamp<std::int64_t>(StrToInt64Def(text, Unreadable), Unreadable, TypableLimit));
}

QString SpinEdit::textFromValue(int value) const
{
    // Leaving the box or pressing Enter writes the text of the number back: an unreadable text is kept.
    return value == Unreadable ? lineEdit()->text() : QString::number(value);
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    // The change handler keeps the limits, so the arrows always step, from whatever the text reads.
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

int SpinEdit::Value() const
{
    const std::int64_t value = StrToInt64Def(lineEdit()->text(), m_minValue);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return m_minValue;
    return static_cast<int>(value);
}

int SpinEdit::ValueInRange() const
{
    return std::clamp(Value(), m_minValue, std::max(m_minValue, m_maxValue));
}
