#include "rules/MoneyText.h"

#include "numbers/text/FloatText.h"
#include "numbers/text/FormatSettings.h"
#include "numbers/text/TextFunctions.h"
#include "numbers/text/TextToNumber.h"

std::int64_t ParseMoneyText(const QString& AText, std::int64_t ADefault)
{
    const TFormatSettings& settings = FormatSettings();
    QString text = StringReplace(AText, settings.CurrencyString, QString());
    text = StringReplace(text, QString(settings.ThousandSeparator), QString());
    return StrToInt64Def(text, ADefault);
}

std::int64_t ParseGroupedMoneyText(const QString& AText, std::int64_t ADefault)
{
    const TFormatSettings& settings = FormatSettings();
    QString text = StringReplace(AText, settings.CurrencyString, QString());
    text.remove(settings.ThousandSeparator);
    return StrToInt64Def(text, ADefault);
}

QString CurrencyText(long double AValue)
{
    return FloatToStrF(AValue, TFloatFormat::ffCurrency, 18, 0);
}
