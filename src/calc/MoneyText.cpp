#include "calc/MoneyText.h"

#include "platform/FormatSettings.h"
#include "platform/TextFunctions.h"
#include "platform/TextToNumber.h"

std::int64_t ParseMoneyText(const QString& AText, std::int64_t ADefault)
{
    const TFormatSettings& settings = FormatSettings();
    QString text = StringReplace(AText, settings.CurrencyString, QString());
    text = StringReplace(text, QString(settings.ThousandSeparator), QString());
    return StrToInt64Def(text, ADefault);
}
