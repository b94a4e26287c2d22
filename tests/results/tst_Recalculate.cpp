#include "WindowDriver.h"

#include "controls/ComboBox.h"
#include "controls/SpinEdit.h"

#include <QCheckBox>
#include <QSlider>

// Inputs set from code run their handlers as the user's changes do: a box set from code runs its click
// handler, a text written runs the change handler, each ending in a recalculation.
class TestRecalculate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void defaultsAfterStart();
    void typingRecalculatesAtOnce();
    void inflationFigures();
    void titles_data();
    void titles();
    void alternativeStrategyDelayed();
    void inflationComparison();
    void markArrows_data();
    void markArrows();
    void bothBoxesMeanAlternative();
    void oneYear();
    void unreadableInputsCountAsZero();
    void extremeInputsStayReadable_data();
    void extremeInputsStayReadable();
};

namespace {

void Recalculate(WindowDriver& ADriver)
{
    ADriver.window.Recalculate();
}

void TurnOnInflation(WindowDriver& ADriver, const QString& ARate)
{
    ADriver.check("chInflation", true);
    QVERIFY(ADriver.control<QWidget>("TInflation")->isEnabled());
    ADriver.setText("TInflation", ARate);
}

void TurnOnComparison(WindowDriver& ADriver, const char* ABox)
{
    ADriver.check(ABox, true);
}

} // namespace

void TestRecalculate::defaultsAfterStart()
{
    WindowDriver d;
    QCOMPARE(d.text("lInitialDep1val"), QStringLiteral("$1,000"));
    QCOMPARE(d.text("lRegularDep1val"), QStringLiteral("$1,000"));
    QCOMPARE(d.text("lTotalInt1val"), QStringLiteral("$887"));
    QCOMPARE(d.text("lTotal1val"), QStringLiteral("$2,887"));
    QCOMPARE(d.text("lStats1"), QStringLiteral("Your strategy (no inflation)"));
    QCOMPARE(d.text("lTableFirstTitle"), d.text("lStats1"));
    QCOMPARE(d.control<ChartWidget>("PieChartFirst")->legendTitle(), d.text("lStats1"));

    QCOMPARE(d.grid("StrGridFirst")->rowCount(), 11);
    QCOMPARE(d.row("StrGridFirst", 2), (QStringList{"2", "$1,000", "$200", "$107", "$1,307"}));
    QCOMPARE(d.row("StrGridFirst", 10), (QStringList{"10", "$1,000", "$1,000", "$887", "$2,887"}));
    for (int series = 0; series < 3; ++series) {
        QCOMPARE(d.bars(series)->count(), 10);
        QCOMPARE(d.bars(series)->point(9).label, QStringLiteral("10"));
        QVERIFY(!d.bars(series)->point(9).color.isValid());
    }
    QCOMPARE(d.bars(2)->yValue(1), 107.0);

    const ChartSeries* pie = d.pie("PieChartFirst");
    QCOMPARE(pie->count(), 3);
    const QStringList labels{"Initial Deposit", "Regular Deposits", "Total Interest"};
    const double values[] = {1000, 1000, 887};
    for (int slice = 0; slice < 3; ++slice) {
        QCOMPARE(pie->point(slice).label, labels[slice]);
        QCOMPARE(pie->point(slice).value, values[slice]);
        QCOMPARE(pie->point(slice).color, d.bars(slice)->seriesColor());
    }
    QCOMPARE(d.bars(2)->marks().arrowLength, 20);
    QVERIFY(!d.control<QWidget>("pTotals2")->isVisible());
    QVERIFY(!d.control<QWidget>("lStats2")->isVisible());
}

void TestRecalculate::typingRecalculatesAtOnce()
{
    WindowDriver d;
    QLineEdit* initial = d.control<QLineEdit>("TIntDep");
    initial->setFocus();
    initial->setCursorPosition(initial->text().size());
    QTest::keyClick(initial, Qt::Key_0);
    QCOMPARE(initial->text(), QStringLiteral("$1,0000"));
    QCOMPARE(d.text("lInitialDep1val"), QStringLiteral("$10,000"));
    QCOMPARE(d.bars(0)->yValue(9), 10000.0);
}

void TestRecalculate::inflationFigures()
{
    WindowDriver d;
    TurnOnInflation(d, QStringLiteral("3.00"));
    QCOMPARE(d.row("StrGridFirst", 1), (QStringList{"1", "$971", "$97", "$51", "$1,119"}));
    // Each part is rounded by itself; the total is the sum of the rounded parts, not the rounded balance.
    QCOMPARE(d.row("StrGridFirst", 2), (QStringList{"2", "$943", "$189", "$110", "$1,242"}));
    QCOMPARE(d.row("StrGridFirst", 10), (QStringList{"10", "$744", "$744", "$816", "$2,304"}));
    QCOMPARE(d.text("lTotal1val"), d.grid("StrGridFirst")->cell(4, 10));
}

void TestRecalculate::titles_data()
{
    QTest::addColumn<bool>("inflation");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("heading");

    QTest::newRow("inflation off") << false << "3.00" << "Initial Deposit (no inflation) "
                                   << "Your strategy (no inflation)";
    QTest::newRow("inflation 3.00") << true << "3.00" << "Initial deposit (inf. 3.00%) "
                                    << "Your strategy (inf. 3.00 %)";
    QTest::newRow("rate shown exactly as typed") << true << "3" << "Initial deposit (inf. 3%) "
                                                 << "Your strategy (inf. 3 %)";
    QTest::newRow("inflation on at 0 reads as none") << true << "0" << "Initial Deposit (no inflation) "
                                                     << "Your strategy (no inflation)";
    QTest::newRow("unreadable rate reads as none") << true << "." << "Initial Deposit (no inflation) "
                                                   << "Your strategy (no inflation)";
}

void TestRecalculate::titles()
{
    QFETCH(bool, inflation);
    QFETCH(QString, rate);
    QFETCH(QString, legend);
    QFETCH(QString, heading);
    WindowDriver d;
    d.setText("TInflation", rate);
    d.check("chInflation", inflation);
    Recalculate(d); // an unticked box set unticked again runs nothing
    QCOMPARE(d.bars(0)->legendTitle(), legend);
    QCOMPARE(d.text("lStats1"), heading);
    QCOMPARE(d.text("lTableFirstTitle"), heading);
}

void TestRecalculate::alternativeStrategyDelayed()
{
    WindowDriver d;
    auto* altFreq = d.control<ComboBox>("CAltFreq");
    altFreq->setCurrentIndex(altFreq->findText(QStringLiteral("Monthly")));
    d.window.ReadAltCompoundFrequency();
    d.control<QSlider>("TB")->setValue(2);
    TurnOnComparison(d, "chAlternative");

    QCOMPARE(d.row("StrGridAlt", 1), (QStringList{"1", "$0", "$0", "$0", "$0"}));
    QCOMPARE(d.row("StrGridAlt", 2), (QStringList{"2", "$0", "$0", "$0", "$0"}));
    QCOMPARE(d.row("StrGridAlt", 3), (QStringList{"3", "$1,000", "$75", "$51", "$1,126"}));
    for (int series = 3; series < 6; ++series) {
        QCOMPARE(d.bars(series)->count(), 10);
        QCOMPARE(d.bars(series)->point(1).label, QString());
        QCOMPARE(d.bars(series)->point(2).label, QStringLiteral("3"));
    }
    QCOMPARE(d.text("lStats2"), QStringLiteral("Alternative strategy (no inflation)"));
    QCOMPARE(d.bars(3)->legendTitle(), QStringLiteral("Alt. strategy Initial Deposit (no inflation) "));
    QCOMPARE(d.bars(5)->legendTitle(), QStringLiteral("Alt. strategy Total interest (no inflation) "));
    QCOMPARE(d.text("lTableSecondTitle"), d.text("lStats2"));
    QCOMPARE(d.control<ChartWidget>("PieChartAlt")->legendTitle(), d.text("lStats2"));
    QCOMPARE(d.text("lTotal2val"), d.grid("StrGridAlt")->cell(4, 10));
    QVERIFY(d.control<QWidget>("pTotals2")->isVisible());

    TurnOnInflation(d, QStringLiteral("3.00"));
    QCOMPARE(d.text("lStats2"), QStringLiteral("Alternative strategy (inf. 3.00 %)"));
    QCOMPARE(d.bars(4)->legendTitle(), QStringLiteral("Alt. strategy Regular deposits (inf. 3.00%) "));
    const QStringList pieColours{d.pie("PieChartAlt")->point(0).color.name(), d.bars(3)->seriesColor().name()};
    QCOMPARE(pieColours[0], pieColours[1]);
}

void TestRecalculate::inflationComparison()
{
    WindowDriver d;
    TurnOnInflation(d, QStringLiteral("3.00"));
    TurnOnComparison(d, "chInflationCompare");
    QCOMPARE(d.text("lStats1"), QStringLiteral("Your strategy (inf. 3.00 %)"));
    QCOMPARE(d.text("lStats2"), QStringLiteral("Your strategy (no inflation)"));
    QCOMPARE(d.bars(3)->legendTitle(), QStringLiteral("Initial Deposit (no inflation) "));
    QCOMPARE(d.text("lTotal1val"), QStringLiteral("$2,304"));
    QCOMPARE(d.text("lTotal2val"), QStringLiteral("$2,887"));
    QCOMPARE(d.row("StrGridAlt", 10), (QStringList{"10", "$1,000", "$1,000", "$887", "$2,887"}));
}

void TestRecalculate::markArrows_data()
{
    QTest::addColumn<QString>("inflation");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("second side earns more") << "3.00" << 10 << 25;
    QTest::newRow("equal interest: the user's side takes the long arrow") << "0" << 25 << 10;
}

void TestRecalculate::markArrows()
{
    QFETCH(QString, inflation);
    QFETCH(int, first);
    QFETCH(int, second);
    WindowDriver d;
    TurnOnInflation(d, inflation);
    TurnOnComparison(d, "chInflationCompare");
    QCOMPARE(d.bars(2)->marks().arrowLength, first);
    QCOMPARE(d.bars(5)->marks().arrowLength, second);
    QVERIFY(d.bars(2)->marks().onTop && d.bars(5)->marks().onTop);

    d.check("chInflationCompare", false);
    QCOMPARE(d.bars(2)->marks().arrowLength, 20);
    QVERIFY(d.bars(2)->marks().onTop);
}

void TestRecalculate::bothBoxesMeanAlternative()
{
    WindowDriver d;
    TurnOnInflation(d, QStringLiteral("3.00"));
    d.check("chInflationCompare", true);
    {
        // The handlers never leave both ticked; the driver must still cope if it finds them so.
        const QSignalBlocker quiet(d.control<QCheckBox>("chAlternative"));
        d.check("chAlternative", true);
    }
    Recalculate(d);
    QVERIFY(d.control<QCheckBox>("chInflationCompare")->isChecked());
    QCOMPARE(d.text("lStats2"), QStringLiteral("Alternative strategy (inf. 3.00 %)"));
    QCOMPARE(d.bars(4)->yValue(0), 73.0); // $75 deflated once by 3 %
}

void TestRecalculate::oneYear()
{
    WindowDriver d;
    d.control<SpinEdit>("seYears")->setValue(1);
    QCOMPARE(d.grid("StrGridFirst")->rowCount(), 2);
    QCOMPARE(d.bars(2)->count(), 1);
    QCOMPARE(d.text("lTotalInt1val"), QStringLiteral("$50"));
    QCOMPARE(d.text("lTotal1val"), QStringLiteral("$1,150"));
}

void TestRecalculate::unreadableInputsCountAsZero()
{
    WindowDriver d;
    d.setText("TIntDep", QStringLiteral("$1,000,000"));
    d.setText("TRegDep", QString());
    d.setText("TIntRate", QStringLiteral("1.2.3"));
    QCOMPARE(d.text("lInitialDep1val"), QStringLiteral("$0"));
    QCOMPARE(d.text("lRegularDep1val"), QStringLiteral("$0"));
    QCOMPARE(d.text("lTotal1val"), QStringLiteral("$0"));
    QCOMPARE(d.pie("PieChartFirst")->count(), 0);
}

// Pasted amounts and rates far outside what typing allows: figures overflow to infinity or become
// undefined, and every text must still read as something, never crash or hang.
void TestRecalculate::extremeInputsStayReadable_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("regular");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("total");

    // 2^63 - 1 twice: (1.05^10 + (1.05^10 - 1) / 0.05) × 9223372036854775807 = 1.3103e20.
    QTest::newRow("64-bit limits in scientific form") << "$9223372036854775807" << "$9223372036854775807"
                                                       << "5.00" << "^\\$1\\.3103\\d*E\\+20$";
    QTest::newRow("rate overflowing to infinity") << "$1,000" << "$100" << "9e999" << "^INF$";
}

void TestRecalculate::extremeInputsStayReadable()
{
    QFETCH(QString, initial);
    QFETCH(QString, regular);
    QFETCH(QString, rate);
    QFETCH(QString, total);
    WindowDriver d;
    d.setText("TIntDep", initial);
    d.setText("TRegDep", regular);
    d.setText("TIntRate", rate);
    QVERIFY2(QRegularExpression(total).match(d.text("lTotal1val")).hasMatch(), qPrintable(d.text("lTotal1val")));
    for (const char* label : {"lInitialDep1val", "lRegularDep1val", "lTotalInt1val"})
        QVERIFY2(!d.text(label).isEmpty() && d.text(label).size() < 40, qPrintable(d.text(label)));
}

QTEST_MAIN(TestRecalculate)
#include "tst_Recalculate.moc"
