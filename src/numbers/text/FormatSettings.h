#pragma once

#include <QChar>
#include <QString>

// The number format every parse and every currency or number text of the program uses. It is process-wide
// and set once when the main window is created; the user's locale is deliberately not consulted, so a
// figure reads the same on every machine.
struct TFormatSettings
{
    QString CurrencyString = QStringLiteral("$");
    QChar ThousandSeparator = u',';
    QChar DecimalSeparator = u'.';
};

TFormatSettings& FormatSettings();
