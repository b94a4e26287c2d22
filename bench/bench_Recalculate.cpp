#include "BenchWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <memory>

// A full recalculation on the shown main window, set up as the program sets itself up, so the labels,
// grids and charts it writes to are real, styled and visible. Run with QT_QPA_PLATFORM=offscreen.
class BenchRecalculate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void typical();
    void worstContinuousComparison();
    void worstWithBarGraphRepaint();

private:
    template <typename T> T* Control(const char* AName) const { return m_bench->control<T>(AName); }

    std::unique_ptr<TBenchWindow> m_bench;
    TFMain* m_window = nullptr;
};

void BenchRecalculate::initTestCase()
{
    m_bench = std::make_unique<TBenchWindow>();
    m_window = &m_bench->window;
}

void BenchRecalculate::cleanupTestCase()
{
    m_window = nullptr;
    m_bench.reset();
}

// The window as it opens: $1,000, $100 yearly, yearly compounding, 5.00 %, 10 years, no comparison.
void BenchRecalculate::typical()
{
    QCOMPARE(Control<QSpinBox>("seYears")->value(), 10);
    QVERIFY(!Control<QCheckBox>("chInflationCompare")->isChecked());
    QBENCHMARK
    {
        m_window->Recalculate();
    }
}

// 50 years of continuous compounding compared with itself without inflation: the comparison side reads
// the alternative's list, so it is compounded by periods, 3650 a year.
void BenchRecalculate::worstContinuousComparison()
{
    Control<QSpinBox>("seYears")->setValue(50);
    auto* compounding = Control<QComboBox>("CcompFreq");
    compounding->setCurrentIndex(compounding->findText(QStringLiteral("Continuous")));
    m_window->ReadCompoundFrequency();
    QCOMPARE(m_window->f, std::int64_t(3650));
    // Each box set from code runs its click handler: the layout and a recalculation.
    Control<QCheckBox>("chInflation")->setChecked(true);
    Control<QLineEdit>("TInflation")->setText(QStringLiteral("3.00"));
    Control<QCheckBox>("chInflationCompare")->setChecked(true);
    QVERIFY(!Control<QWidget>("PieChartAlt")->isHidden());
    QBENCHMARK
    {
        m_window->Recalculate();
    }
}

// The same, and the bar graph laid out and painted anew, as the user sees the figures change.
void BenchRecalculate::worstWithBarGraphRepaint()
{
    QCOMPARE(m_window->f, std::int64_t(3650));
    QVERIFY(Control<QCheckBox>("chInflationCompare")->isChecked());
    auto* chart = Control<QWidget>("Chart");
    QVERIFY(chart->isVisible());
    QBENCHMARK
    {
        m_window->Recalculate();
        chart->repaint();
    }
}

QTEST_MAIN(BenchRecalculate)
#include "bench_Recalculate.moc"
