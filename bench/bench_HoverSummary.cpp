#include "app/TFMain.h"
#include "app/VisualStyle.h"
#include "charts/ChartWidget.h"
#include "hint/TFHint.h"

#include <QApplication>
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

    std::unique_ptr<TFMain> m_window;
    std::unique_ptr<TFHint> m_hint;
    ChartWidget* m_chart = nullptr;
};

void BenchHoverSummary::initTestCase()
{
    QVERIFY(ApplyVisualStyle(*qApp));
    m_window = std::make_unique<TFMain>();
    FMain = m_window.get();
    m_hint = std::make_unique<TFHint>();
    FHint = m_hint.get();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The check box handlers are not wired here: set the box, then lay out and compute as they would.
    m_window->findChild<QCheckBox*>(QStringLiteral("chInflationCompare"))->setChecked(true);
    m_window->ArrangeAlternativeLayout();
    m_window->Recalculate();
    m_chart = m_window->findChild<ChartWidget*>(QStringLiteral("Chart"));
    QVERIFY(m_chart);
}

void BenchHoverSummary::cleanupTestCase()
{
    FHint = nullptr;
    FMain = nullptr;
    m_hint.reset();
    m_window.reset();
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
    QVERIFY(m_hint->isVisible());
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
    QCOMPARE(m_hint->lAfter->text(), QStringLiteral("After 3 years"));
}

// Within the column of year 3: the window only moves.
void BenchHoverSummary::sameYear()
{
    MoveBetween(1.9, 2.1);
    QCOMPARE(m_hint->lAfter->text(), QStringLiteral("After 3 years"));
}

QTEST_MAIN(BenchHoverSummary)
#include "bench_HoverSummary.moc"
