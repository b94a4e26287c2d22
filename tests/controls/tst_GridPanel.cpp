#include "controls/GridPanel.h"

#include <QRegularExpression>
#include <QTest>

#include <numeric>

using TPercents = QVector<double>;
using TSizes = QVector<int>;

class TestGridPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void splitByPercent_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<TPercents>("percents");
        QTest::addColumn<TSizes>("expected");

        QTest::newRow("even halves") << 500 << TPercents{50, 50} << TSizes{250, 250};
        QTest::newRow("uneven fractions") << 131 << TPercents{20.79, 79.21} << TSizes{27, 104};
        QTest::newRow("everything to the first") << 796 << TPercents{100, 0} << TSizes{796, 0};
        QTest::newRow("everything to the last") << 796 << TPercents{0, 100} << TSizes{0, 796};
        QTest::newRow("empty middle column") << 400 << TPercents{30, 0, 70} << TSizes{120, 0, 280};
        QTest::newRow("odd total halves") << 101 << TPercents{50, 50} << TSizes{51, 50};
        QTest::newRow("odd total thirds") << 100 << TPercents{100 / 3.0, 100 / 3.0, 100 / 3.0} << TSizes{33, 34, 33};
        QTest::newRow("one pixel halves") << 1 << TPercents{50, 50} << TSizes{1, 0};
        QTest::newRow("four equal parts of seven") << 7 << TPercents{25, 25, 25, 25} << TSizes{2, 2, 1, 2};
        QTest::newRow("zero total") << 0 << TPercents{40, 60} << TSizes{0, 0};
        QTest::newRow("single column") << 333 << TPercents{100} << TSizes{333};
        // Shares that do not add up to 100 are taken relative to their sum.
        QTest::newRow("shares summing to 2") << 300 << TPercents{1, 1} << TSizes{150, 150};
        QTest::newRow("shares summing to 150") << 300 << TPercents{50, 100} << TSizes{100, 200};
        QTest::newRow("all columns empty") << 300 << TPercents{0, 0} << TSizes{0, 0};
        QTest::newRow("no columns") << 300 << TPercents{} << TSizes{};
    }

    void splitByPercent()
    {
        QFETCH(int, total);
        QFETCH(TPercents, percents);
        QFETCH(TSizes, expected);

        const TSizes sizes = SplitByPercent(total, percents);
        QCOMPARE(sizes, expected);
    }

    // Rounding each part on its own would lose or gain pixels; the parts must always fill the total exactly.
    void splitAddsUp_data()
    {
        QTest::addColumn<TPercents>("percents");

        QTest::newRow("halves") << TPercents{50, 50};
        QTest::newRow("fractions") << TPercents{20.79, 79.21};
        QTest::newRow("thirds") << TPercents{100 / 3.0, 100 / 3.0, 100 / 3.0};
        QTest::newRow("sevenths") << TPercents(7, 100 / 7.0);
        QTest::newRow("with empty columns") << TPercents{0, 12.5, 0, 87.5, 0};
        QTest::newRow("unnormalised") << TPercents{1, 2, 3};
    }

    void splitAddsUp()
    {
        QFETCH(TPercents, percents);

        for (int total = 0; total <= 1000; ++total) {
            const TSizes sizes = SplitByPercent(total, percents);
            QCOMPARE(sizes.size(), percents.size());
            QCOMPARE(std::accumulate(sizes.begin(), sizes.end(), 0), total);
            for (int i = 0; i < sizes.size(); ++i) {
                QVERIFY2(sizes[i] >= 0, qPrintable(QStringLiteral("total %1, part %2").arg(total).arg(i)));
                if (percents[i] == 0)
                    QCOMPARE(sizes[i], 0);
            }
        }
    }

    void placesChildren_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("childrenHidden");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("firstPercent");
        QTest::addColumn<double>("secondPercent");
        QTest::addColumn<QRect>("first");
        QTest::addColumn<QRect>("second");

        // The second child keeps 5 px free on its right.
        QTest::newRow("shown, halves") << true << false << QSize(400, 100) << 50.0 << 50.0 << QRect(0, 0, 200, 100)
                                       << QRect(200, 0, 195, 100);
        QTest::newRow("shown, fractions") << true << false << QSize(131, 60) << 20.79 << 79.21
                                          << QRect(0, 0, 27, 60) << QRect(27, 0, 99, 60);
        QTest::newRow("shown, first column empty") << true << false << QSize(400, 100) << 0.0 << 100.0
                                                   << QRect(0, 0, 0, 100) << QRect(0, 0, 395, 100);
        QTest::newRow("hidden panel, halves") << false << false << QSize(400, 100) << 50.0 << 50.0
                                              << QRect(0, 0, 200, 100) << QRect(200, 0, 195, 100);
        QTest::newRow("hidden panel, fractions") << false << false << QSize(131, 60) << 20.79 << 79.21
                                                 << QRect(0, 0, 27, 60) << QRect(27, 0, 99, 60);
        QTest::newRow("hidden children, quarter") << true << true << QSize(800, 50) << 25.0 << 75.0
                                                  << QRect(0, 0, 200, 50) << QRect(200, 0, 595, 50);
    }

    void placesChildren()
    {
        QFETCH(bool, shown);
        QFETCH(bool, childrenHidden);
        QFETCH(QSize, size);
        QFETCH(double, firstPercent);
        QFETCH(double, secondPercent);
        QFETCH(QRect, first);
        QFETCH(QRect, second);

        GridPanel panel;
        panel.resize(300, 80);
        panel.setColumns(QStringLiteral("50,50"));
        auto* left = new QWidget(&panel);
        left->setProperty("cell", QStringLiteral("0,0"));
        auto* right = new QWidget(&panel);
        right->setProperty("cell", QStringLiteral("1,0"));
        right->setProperty("alignMargins", QStringLiteral("0,0,5,0"));
        if (childrenHidden) {
            left->hide();
            right->hide();
        }
        if (shown) {
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
        }
        panel.resize(size);
        // A hidden panel gets no resize event until shown, so the form asks for the placement itself.
        if (!shown)
            panel.arrange();
        panel.setColumnPercent(1, secondPercent);
        panel.setColumnPercent(0, firstPercent);
        QCOMPARE(left->geometry(), first);
        QCOMPARE(right->geometry(), second);
        QCOMPARE(left->isVisible(), shown && !childrenHidden);
    }

    void placesByRowsAndMargins()
    {
        GridPanel panel;
        panel.resize(200, 300);
        panel.setColumns(QStringLiteral("50,50"));
        panel.setRows(QStringLiteral("20,80"));
        auto* bottomRight = new QWidget(&panel);
        bottomRight->setProperty("cell", QStringLiteral("1,1"));
        bottomRight->setProperty("alignMargins", QStringLiteral("2,3,4,5"));
        auto* outside = new QWidget(&panel);
        outside->setProperty("cell", QStringLiteral("2,0"));
        outside->setGeometry(7, 8, 9, 10);
        panel.arrange();
        QCOMPARE(bottomRight->geometry(), QRect(102, 63, 94, 232));
        // A cell the grid does not have leaves the child where it was.
        QCOMPARE(outside->geometry(), QRect(7, 8, 9, 10));
    }

    void columnPercentOutOfRange_data()
    {
        QTest::addColumn<int>("column");

        QTest::newRow("negative column") << -1;
        QTest::newRow("one past the last") << 2;
    }

    void columnPercentOutOfRange()
    {
        QFETCH(int, column);

        GridPanel panel;
        panel.resize(400, 100);
        panel.setColumns(QStringLiteral("30,70"));
        panel.setColumnPercent(column, 50);
        QCOMPARE(panel.columns(), QStringLiteral("30,70"));
        QCOMPARE(panel.columnPercent(column), 0.0);
    }
};

QTEST_MAIN(TestGridPanel)
#include "tst_GridPanel.moc"
