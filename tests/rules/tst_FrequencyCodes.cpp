#include "rules/FrequencyCodes.h"

#include <QTest>

class TestFrequencyCodes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compoundCode_data();
    void compoundCode();
    void depositsPerYear_data();
    void depositsPerYear();
    void continuousText_data();
    void continuousText();
};

void TestFrequencyCodes::compoundCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("known");
    QTest::addColumn<qint64>("periods");
    QTest::addColumn<bool>("subAnnual");

    QTest::newRow("annually") << "Annually" << true << qint64(1) << false;
    QTest::newRow("quarterly") << "Quarterly" << true << qint64(4) << true;
    QTest::newRow("monthly") << "Monthly" << true << qint64(12) << true;
    QTest::newRow("weekly is a 52nd") << "Weekly" << true << qint64(52) << true;
    QTest::newRow("daily is a 365th") << "Daily" << true << qint64(365) << true;
    QTest::newRow("continuous coded as 3650 periods") << "Continuous" << true << qint64(3650) << true;
    QTest::newRow("lower case monthly") << "monthly" << true << qint64(12) << true;
    QTest::newRow("upper case annually") << "ANNUALLY" << true << qint64(1) << false;
    QTest::newRow("empty text is unknown") << "" << false << qint64(0) << false;
    QTest::newRow("trailing blank is unknown") << "Monthly " << false << qint64(0) << false;
    QTest::newRow("other word is unknown") << "Hourly" << false << qint64(0) << false;
}

void TestFrequencyCodes::compoundCode()
{
    QFETCH(QString, text);
    QFETCH(bool, known);
    QFETCH(qint64, periods);
    QFETCH(bool, subAnnual);
    const std::optional<TCompoundFrequency> code = CompoundFrequencyOfText(text);
    QCOMPARE(code.has_value(), known);
    if (known)
        QCOMPARE(*code, (TCompoundFrequency{periods, subAnnual}));
}

void TestFrequencyCodes::depositsPerYear_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("annually") << 0 << qint64(1);
    QTest::newRow("quarterly") << 1 << qint64(4);
    QTest::newRow("monthly") << 2 << qint64(12);
    QTest::newRow("weekly") << 3 << qint64(52);
    QTest::newRow("daily") << 4 << qint64(365);
    QTest::newRow("no choice never divides by zero") << -1 << qint64(1);
    QTest::newRow("past the list never divides by zero") << 5 << qint64(1);
}

void TestFrequencyCodes::depositsPerYear()
{
    QFETCH(int, item);
    QFETCH(qint64, expected);
    QCOMPARE(qint64(DepositsPerYearOfItem(item)), expected);
    if (item >= 0 && item < DepositFrequencyItems().size()) {
        // The list text at that position names the same count the compounding table gives it.
        QCOMPARE(qint64(CompoundFrequencyOfText(DepositFrequencyItems().at(item))->Periods), expected);
    }
}

void TestFrequencyCodes::continuousText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("continuous");
    QTest::newRow("exact") << "Continuous" << true;
    QTest::newRow("any case") << "cONTINUOUS" << true;
    QTest::newRow("daily is not") << "Daily" << false;
    QTest::newRow("empty is not") << "" << false;
}

void TestFrequencyCodes::continuousText()
{
    QFETCH(QString, text);
    QFETCH(bool, continuous);
    QCOMPARE(IsContinuousText(text), continuous);
}

QTEST_GUILESS_MAIN(TestFrequencyCodes)
#include "tst_FrequencyCodes.moc"
