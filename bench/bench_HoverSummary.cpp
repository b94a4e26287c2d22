#include "BenchWindow.h"

#include "charts/ChartWidget.h"

#include <QCheckBox>
#include <QTest>

#include <cmath>
#include <memory>

// One mouse movement over the bar graph of the shown, styled window, delivered as the platform delivers
// it, with both sides in the window. Run with QT_QPA_PLATFORM=offscreen.
class BenchHoverSummary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void yearChanges();
    void sameYear();

private:
    QPoint BarPoint(double AX) const;
    void MoveBetween(double AFirst, double ASecond);

    std::unique_ptr<TBenchWindow> m_bench;
    ChartWidget* m_chart = nullptr;
};

void BenchHoverSummary::initTestCase()
{
    m_bench = std::make_unique<TBenchWindow>();
    // Its handler lays the window out for both sides and computes them.
    m_bench->control<QCheckBox>("chInflationCompare")->setChecked(true);
    m_chart = m_bench->control<ChartWidget>("Chart");
}

void BenchHoverSummary::cleanupTestCase()
{
    m_bench.reset();
}

// Halfway up the bar at bottom-axis value AX.
QPoint BenchHoverSummary::BarPoint(double AX) const
{
    const ChartAxis& left = m_chart->leftAxis();
    return {int(std::lround(m_chart->bottomAxis().calcPosValue(AX))),
            int(std::lround(left.calcPosValue(left.maximum() / 2)))};
}

// Each pass is two movements, one to each point: Qt drops a movement to where the mouse already is.
void BenchHoverSummary::MoveBetween(double AFirst, double ASecond)
{
    const QPoint first = BarPoint(AFirst);
    const QPoint second = BarPoint(ASecond);
    QTest::mouseMove(m_chart, first);
    QVERIFY(m_bench->hint.isVisible());
    QBENCHMARK
    {
        QTest::mouseMove(m_chart, second);
        QTest::mouseMove(m_chart, first);
    }
}

// From the bar of year 3 to that of year 4 and back: the window is filled anew on each movement.
void BenchHoverSummary::yearChanges()
{
    MoveBetween(2.0, 3.0);
    QCOMPARE(m_bench->hint.lAfter->text(), QStringLiteral("After 3 years"));
}

// Within the column of year 3: the window only moves.
void BenchHoverSummary::sameYear()
{
    MoveBetween(1.9, 2.1);
    QCOMPARE(m_bench->hint.lAfter->text(), QStringLiteral("After 3 years"));
}

QTEST_MAIN(BenchHoverSummary)
#include "bench_HoverSummary.moc"
