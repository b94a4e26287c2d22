#include "platform/SpinEdit.h"

#include "platform/TextToNumber.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace {
// Wide enough for any typed value of a few digits; the handler pulls it back into MinValue..MaxValue.
constexpr int TypableLimit = 999999;
} // namespace

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent)
{
    setRange(-TypableLimit, TypableLimit);
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
