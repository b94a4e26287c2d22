#include "WindowDriver.h"

#include "controls/ComboBox.h"

// Reading the compounding codes from the lists' texts, as the frequency handlers will after a pick.
class TestCompoundFrequency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void readsListText_data();
    void readsListText();
};

void TestCompoundFrequency::readsListText_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<qint64>("periods");
    QTest::addColumn<bool>("subAnnual");

    QTest::newRow("monthly") << "CcompFreq" << QStringList{"Monthly"} << qint64(12) << true;
    QTest::newRow("annually after monthly clears the flag")
        << "CcompFreq" << QStringList{"Monthly", "Annually"} << qint64(1) << false;
    QTest::newRow("continuous code") << "CcompFreq" << QStringList{"Continuous"} << qint64(3650) << true;
    QTest::newRow("lower-case text") << "CcompFreq" << QStringList{"daily"} << qint64(365) << true;
    QTest::newRow("unknown text keeps the code in force")
        << "CcompFreq" << QStringList{"Weekly", "Hourly"} << qint64(52) << true;
    QTest::newRow("alternative list, quarterly") << "CAltFreq" << QStringList{"Quarterly"} << qint64(4) << true;
    QTest::newRow("alternative list, unknown text")
        << "CAltFreq" << QStringList{"Daily", ""} << qint64(365) << true;
}

void TestCompoundFrequency::readsListText()
{
    QFETCH(QString, list);
    QFETCH(QStringList, picks);
    QFETCH(qint64, periods);
    QFETCH(bool, subAnnual);
    WindowDriver d;
    auto* combo = d.control<ComboBox>(qPrintable(list));
    const bool alternative = list == u"CAltFreq";
    for (const QString& pick : picks) {
        // A text the list may hold in another case, or not at all, is put in as an item of its own.
        int index = combo->findText(pick, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (index < 0) {
            combo->addItem(pick);
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
        alternative ? d.window.ReadAltCompoundFrequency() : d.window.ReadCompoundFrequency();
    }
    QCOMPARE(qint64(alternative ? d.window.fa : d.window.f), periods);
    QCOMPARE(alternative ? d.window.AMonth : d.window.Month, subAnnual);
    // The other strategy's code is untouched.
    QCOMPARE(qint64(alternative ? d.window.f : d.window.fa), qint64(1));
}

QTEST_MAIN(TestCompoundFrequency)
#include "tst_CompoundFrequency.moc"
