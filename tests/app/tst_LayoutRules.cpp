#include "app/LayoutRules.h"

#include <QTest>

class TestLayoutRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gridColumnWidths_data();
    void gridColumnWidths();
    void labelPairFits_data();
    void labelPairFits();
    void gridsToRefit_data();
    void gridsToRefit();
};

void TestLayoutRules::gridColumnWidths_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("398 pixels") << 398 << 1 << QList<int>{40, 89, 89, 89, 87};
    QTest::newRow("800 pixels") << 800 << 1 << QList<int>{80, 179, 179, 179, 179};
    // 395 × 0.1 lies a hair above 39.5 in extended precision, so it is no tie and rounds up.
    QTest::newRow("tenth near a half") << 395 << 1 << QList<int>{40, 88, 88, 88, 87};
    QTest::newRow("wider lines") << 398 << 2 << QList<int>{40, 89, 89, 89, 83};
    QTest::newRow("no room leaves the total negative, not a crash") << 0 << 1 << QList<int>{0, -1, -1, -1, -1};
}

void TestLayoutRules::gridColumnWidths()
{
    QFETCH(int, clientWidth);
    QFETCH(int, lineWidth);
    QFETCH(QList<int>, expected);
    const std::array<int, 5> widths = GridColumnWidths(clientWidth, lineWidth);
    QCOMPARE(QList<int>(widths.begin(), widths.end()), expected);
    int sum = 4 * lineWidth;
    for (int width : widths)
        sum += width;
    QCOMPARE(sum, clientWidth);
}

void TestLayoutRules::labelPairFits_data()
{
    QTest::addColumn<int>("captionLeft");
    QTest::addColumn<int>("captionWidth");
    QTest::addColumn<int>("valueLeft");
    QTest::addColumn<bool>("fits");
    QTest::newRow("gap between") << 5 << 100 << 189 << true;
    QTest::newRow("one pixel apart") << 5 << 100 << 106 << true;
    QTest::newRow("touching counts as overlap") << 5 << 100 << 105 << false;
    QTest::newRow("overlapping") << 5 << 100 << 60 << false;
}

void TestLayoutRules::labelPairFits()
{
    QFETCH(int, captionLeft);
    QFETCH(int, captionWidth);
    QFETCH(int, valueLeft);
    QFETCH(bool, fits);
    QCOMPARE(LabelPairFits(captionLeft, captionWidth, valueLeft), fits);
}

void TestLayoutRules::gridsToRefit_data()
{
    QTest::addColumn<bool>("comparison");
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::newRow("single, narrow") << false << 485 << true << false;
    QTest::newRow("single, wide") << false << 1200 << true << false;
    QTest::newRow("comparison at 999") << true << 999 << false << false;
    QTest::newRow("comparison at 1000") << true << 1000 << true << true;
}

void TestLayoutRules::gridsToRefit()
{
    QFETCH(bool, comparison);
    QFETCH(int, outerWidth);
    const TGridRefit refit = GridsToRefit(comparison, outerWidth);
    QFETCH(bool, first);
    QFETCH(bool, second);
    QCOMPARE(refit.First, first);
    QCOMPARE(refit.Second, second);
}

QTEST_GUILESS_MAIN(TestLayoutRules)
#include "tst_LayoutRules.moc"
