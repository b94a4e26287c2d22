#include "rules/EditRules.h"

#include "numbers/text/FloatText.h"
#include "numbers/text/FormatSettings.h"
#include "numbers/text/TextToNumber.h"
#include "rules/MoneyText.h"

#include <algorithm>

namespace {

bool IsDigit(QChar AChar)
{
    return AChar >= u'0' && AChar <= u'9';
}

bool MoneyTakes(QChar AChar)
{
    return IsDigit(AChar);
}

bool RateTakes(QChar AChar)
{
    return IsDigit(AChar) || AChar == FormatSettings().DecimalSeparator;
}

// The caret and selection pulled inside the text, so a stale position never reads past its end.
TEditState Bounded(const TEditState& AState)
{
    const int length = int(AState.Text.size());
    const int start = std::clamp(AState.SelStart, 0, length);
    return {AState.Text, start, std::clamp(AState.SelLength, 0, length - start)};
}

TEditResult Insert(const TEditState& AState, QChar AChar)
{
    QString text = AState.Text;
    text.remove(AState.SelStart, AState.SelLength);
    text.insert(AState.SelStart, AChar);
    return {text, AState.SelStart + 1};
}

TEditResult Backspace(const TEditState& AState)
{
    QString text = AState.Text;
    if (AState.SelLength > 0)
        return {text.remove(AState.SelStart, AState.SelLength), AState.SelStart};
    if (AState.SelStart > 0)
        return {text.remove(AState.SelStart - 1, 1), AState.SelStart - 1};
    return {text, 0};
}

TEditResult DeleteForward(const TEditState& AState)
{
    QString text = AState.Text;
    if (AState.SelLength > 0)
        text.remove(AState.SelStart, AState.SelLength);
    else
        text.remove(AState.SelStart, 1); // nothing when the caret stands at the end
    return {text, AState.SelStart};
}

// The key carried out on a copy of the text; no value for a character the field does not take.
template <typename Takes>
std::optional<TEditResult> Tentative(const TEditState& AState, TEditKey AKey, Takes ATakes)
{
    const TEditState state = Bounded(AState);
    if (AKey.Kind == TEditKeyKind::Delete)
        return DeleteForward(state);
    if (AKey.Char == QChar(TEditKey::BackspaceCode))
        return Backspace(state);
    if (ATakes(AKey.Char))
        return Insert(state, AKey.Char);
    return std::nullopt;
}

} // namespace

std::optional<TEditResult> MoneyEdit(const TEditState& AState, TEditKey AKey)
{
    return MoneyEditUpTo(AState, AKey, MaxAmount, ParseMoneyText);
}

std::optional<TEditResult> MoneyEditUpTo(const TEditState& AState, TEditKey AKey, std::int64_t AMaximum,
                                         TMoneyReader ARead)
{
    std::optional<TEditResult> edit = Tentative(AState, AKey, MoneyTakes);
    // An unreadable text reads as one more than the limit, so it is refused like a too-large amount.
    if (edit && !edit->Text.isEmpty() && ARead(edit->Text, AMaximum + 1) > AMaximum)
        return std::nullopt;
    return edit;
}

std::optional<TEditResult> RateEdit(const TEditState& AState, TEditKey AKey)
{
    std::optional<TEditResult> edit = Tentative(AState, AKey, RateTakes);
    if (!edit || edit->Text.isEmpty())
        return edit;
    // An unreadable text reads as -1, below the range.
    const long double rate = StrToFloatDef(edit->Text, -1.0L);
    const bool typed = AKey.Kind == TEditKeyKind::Character;
    if (rate < 0 || rate > MaxRate || (typed && edit->Text.size() > MaxTypedRateLength))
        return std::nullopt;
    return edit;
}

QString MoneyLeaveText(const QString& AText)
{
    return MoneyLeaveTextUpTo(AText, MaxAmount, ParseMoneyText);
}

QString MoneyLeaveTextUpTo(const QString& AText, std::int64_t AMaximum, TMoneyReader ARead)
{
    const std::int64_t amount = std::clamp<std::int64_t>(ARead(AText, 0), 0, AMaximum);
    return CurrencyText(static_cast<long double>(amount));
}

QString RateLeaveText(const QString& AText)
{
    const long double rate = std::clamp(StrToFloatDef(AText, 0.0L), 0.0L, MaxRate);
    return FloatToStrF(rate, TFloatFormat::ffNumber, 15, 2);
}

QString RateText(std::int64_t AHundredths)
{
    // Written with the separator the rate is read back with.
    return QStringLiteral("%1%2%3")
        .arg(AHundredths / 100)
        .arg(FormatSettings().DecimalSeparator)
        .arg(AHundredths % 100, 2, 10, QLatin1Char('0'));
}

std::int64_t RateHundredths(const QString& AText)
{
    // The left form has two decimals and no thousands separator below 100.
    return RateLeaveText(AText).remove(FormatSettings().DecimalSeparator).toLongLong();
}
