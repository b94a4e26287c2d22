#include "numbers/text/FormatSettings.h"

#include <QRegularExpression>
#include <QTest>

class TestFormatSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void defaultsAreFixedNotLocaleDependent()
    {
        const TFormatSettings& Settings = FormatSettings();
        QCOMPARE(Settings.CurrencyString, QStringLiteral("$"));
        QCOMPARE(Settings.ThousandSeparator, QChar(u','));
        QCOMPARE(Settings.DecimalSeparator, QChar(u'.'));
    }

    void everyCallSharesOneInstance()
    {
        const TFormatSettings Saved = FormatSettings();
        FormatSettings().CurrencyString = QStringLiteral("EUR ");
        FormatSettings().DecimalSeparator = u',';
        const TFormatSettings Seen = FormatSettings();
        FormatSettings() = Saved;

        QCOMPARE(Seen.CurrencyString, QStringLiteral("EUR "));
        QCOMPARE(Seen.DecimalSeparator, QChar(u','));
        QCOMPARE(FormatSettings().CurrencyString, QStringLiteral("$"));
        QCOMPARE(FormatSettings().DecimalSeparator, QChar(u'.'));
    }
};

QTEST_GUILESS_MAIN(TestFormatSettings)
#include "tst_FormatSettings.moc"
