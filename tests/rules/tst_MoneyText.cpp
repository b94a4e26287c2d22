#include "rules/MoneyText.h"

#include <QTest>

class TestMoneyText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void currency_data();
    void currency();
};

void TestMoneyText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("defaultValue");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("grouped thousands") << "$1,000" << qint64(0) << qint64(1000);
    QTest::newRow("hundreds") << "$100" << qint64(0) << qint64(100);
    QTest::newRow("plain digits") << "1000" << qint64(0) << qint64(1000);
    QTest::newRow("largest typable") << "$999,999" << qint64(0) << qint64(999999);
    QTest::newRow("zero") << "$0" << qint64(0) << qint64(0);
    QTest::newRow("separator anywhere is dropped") << "1,5" << qint64(0) << qint64(15);
    QTest::newRow("separator off the thousands place") << "$1,00" << qint64(0) << qint64(100);
    QTest::newRow("empty reads as default") << "" << qint64(7) << qint64(7);
    QTest::newRow("decimals read as default") << "$12.50" << qint64(1000000) << qint64(1000000);
    QTest::newRow("second separator stays and reads as default") << "$1,000,000" << qint64(0) << qint64(0);
    QTest::newRow("sign alone reads as default") << "$" << qint64(1000000) << qint64(1000000);
    QTest::newRow("separator and no digits reads as default") << "$," << qint64(0) << qint64(0);
    QTest::newRow("ungrouped typing state") << "$1,0005" << qint64(0) << qint64(10005);
    QTest::newRow("digits after separator only") << "$,000" << qint64(9) << qint64(0);
    QTest::newRow("second currency sign is not hex") << "$$5" << qint64(0) << qint64(0);
    QTest::newRow("pasted 64-bit limit") << "$9223372036854775807" << qint64(0) << qint64(9223372036854775807LL);
    QTest::newRow("beyond 64 bits reads as default") << "$9223372036854775808" << qint64(-1) << qint64(-1);
    QTest::newRow("letters read as default") << "$1a0" << qint64(0) << qint64(0);
    QTest::newRow("negative amount reads") << "-5" << qint64(0) << qint64(-5);
}

void TestMoneyText::parse()
{
    QFETCH(QString, text);
    QFETCH(qint64, defaultValue);
    QFETCH(qint64, expected);
    QCOMPARE(qint64(ParseMoneyText(text, defaultValue)), expected);
}

void TestMoneyText::currency_data()
{
    QTest::addColumn<long double>("amount");
    QTest::addColumn<QString>("expected");

    QTest::newRow("grouped thousands") << 1000.0L << "$1,000";
    QTest::newRow("negative amount") << -1000.0L << "-$1,000";
    // A field's amount and a total alike: 15 digits would give "$1E+18".
    QTest::newRow("every digit of a total beyond 10^15") << 999999999999999999.0L << "$999,999,999,999,999,999";
}

void TestMoneyText::currency()
{
    QFETCH(long double, amount);
    QFETCH(QString, expected);
    QCOMPARE(CurrencyText(amount), expected);
}

QTEST_GUILESS_MAIN(TestMoneyText)
#include "tst_MoneyText.moc"
