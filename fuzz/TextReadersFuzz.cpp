#include "numbers/text/TextToNumber.h"
#include "rules/EditRules.h"
#include "rules/InputLimits.h"
#include "rules/MoneyText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Require(bool ATrue)
{
    if (!ATrue)
        std::abort();
}

// What the money and rate fields make of a text, typed or pasted, and of a key on it.
void ReadFields(const QString& AText, int ACaret, int ASelected)
{
    const std::int64_t amount = ParseMoneyText(MoneyLeaveText(AText), -1);
    Require(amount >= 0 && amount <= MaxAmount);
    const std::int64_t hundredths = RateHundredths(AText);
    Require(hundredths >= 0 && hundredths <= MaxRateHundredths);
    ParseGroupedMoneyText(AText, 0);
    StrToInt64Def(AText, 0);
    CurrencyText(static_cast<long double>(StrToFloatDef(AText, 0)));
    const TEditState state{AText, ACaret, ASelected};
    for (const TEditKey key : {TEditKey::Typed(u'7'), TEditKey::Typed(u'.'), TEditKey::DeleteKey(),
                               TEditKey::Typed(QChar(TEditKey::BackspaceCode))}) {
        // Typing keeps an amount within the limit; a sign comes only with a pasted text, which leaving the
        // field clears.
        if (const std::optional<TEditResult> money = MoneyEdit(state, key); money && !money->Text.isEmpty())
            Require(ParseMoneyText(money->Text, MaxAmount + 1) <= MaxAmount);
        RateEdit(state, key);
    }
}

} // namespace

// Any text given to the readers of money and rate texts and to the fields' edit rules, as UTF-8 and as
// UTF-16: no crash, no undefined behaviour, and every result within the fields' ranges.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize)
{
    if (ASize < 2)
        return 0;
    // The first two bytes place the caret and the selection, anywhere, even outside the text.
    const int caret = int(AData[0]) - 8;
    const int selected = int(AData[1]) - 8;
    const char* text = reinterpret_cast<const char*>(AData + 2);
    const qsizetype size = qsizetype(ASize - 2);
    ReadFields(QString::fromUtf8(text, size), caret, selected);
    std::u16string wide(std::size_t(size / 2), u'\0');
    std::memcpy(wide.data(), text, wide.size() * sizeof(char16_t));
    ReadFields(QString::fromStdU16String(wide), caret, selected);
    return 0;
}
