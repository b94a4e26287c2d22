#pragma once

#include "rules/InputLimits.h"

#include <QString>
#include <cstdint>
#include <optional>

// The editing rules of the money and rate fields, apart from any widget: a keystroke is applied to a copy
// of the field's text, the copy is tested, and only a copy that passes is handed back to be written.

// What a field looks like when a key arrives: its text, the caret (characters before it) and the number of
// selected characters, the selection beginning at the caret.
struct TEditState
{
    QString Text;
    int SelStart = 0;
    int SelLength = 0;
};

// An accepted edit: the text to write and where the caret goes afterwards, nothing selected.
struct TEditResult
{
    QString Text;
    int Caret = 0;

    bool operator==(const TEditResult&) const = default;
};

// The key that arrives: a typed character (Backspace comes as the character 8), or the Delete key.
enum class TEditKeyKind
{
    Character,
    Delete,
};

struct TEditKey
{
    TEditKeyKind Kind = TEditKeyKind::Character;
    QChar Char;

    static TEditKey Typed(QChar AChar) { return {TEditKeyKind::Character, AChar}; }
    static TEditKey DeleteKey() { return {TEditKeyKind::Delete, QChar()}; }

    static constexpr char16_t BackspaceCode = 8;
};

// The most characters a rate can be typed with.
inline constexpr int MaxTypedRateLength = 5;

// The money fields take digits and Backspace; an edit is accepted when the text is empty or its amount is
// at most MaxAmount. No value: the key is refused or not taken, and the field stays as it was.
std::optional<TEditResult> MoneyEdit(const TEditState& AState, TEditKey AKey);

// The same rules for a money field of another range: amounts up to AMaximum, read by ARead (which gives its
// second argument for a text it cannot read).
using TMoneyReader = std::int64_t (*)(const QString& AText, std::int64_t ADefault);
std::optional<TEditResult> MoneyEditUpTo(const TEditState& AState, TEditKey AKey, std::int64_t AMaximum,
                                         TMoneyReader ARead);

// The rate fields take digits, the decimal separator and Backspace; an edit is accepted when the text is
// empty, or reads as 0 to MaxRate and (for typed characters) is at most MaxTypedRateLength long.
std::optional<TEditResult> RateEdit(const TEditState& AState, TEditKey AKey);

// The forms a field takes when it is left: an amount in currency form ("$10,005", "$0"), a rate with two
// decimals ("5.00", "0.00"). An unreadable text becomes zero, and a pasted value beyond what typing can
// produce is brought back to the nearest one it can, so the field never shows a figure the calculation
// would read differently.
QString MoneyLeaveText(const QString& AText);
QString RateLeaveText(const QString& AText);
QString MoneyLeaveTextUpTo(const QString& AText, std::int64_t AMaximum, TMoneyReader ARead);

// A rate in hundredths as a rate field shows it once left: "6.25", "0.00".
QString RateText(std::int64_t AHundredths);
// The rate a rate field's text comes to once left, in hundredths: "5.5" gives 550, an unreadable text 0.
std::int64_t RateHundredths(const QString& AText);
