#include "app/TFMain.h"
#include "app/VisualStyle.h"
#include "hint/TFHint.h"

#include <QApplication>
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
    template <typename T>
    T* Control(const char* AName) const
    {
        T* control = m_window->findChild<T*>(QLatin1String(AName));
        if (!control)
            qFatal("no control %s", AName);
        return control;
    }

    std::unique_ptr<TFMain> m_window;
    std::unique_ptr<TFHint> m_hint;
};

void BenchRecalculate::initTestCase()
{
    // The style sheet changes what every label update costs, so it is on as in the program.
    QVERIFY(ApplyVisualStyle(*qApp));
    m_window = std::make_unique<TFMain>();
    FMain = m_window.get();
    m_hint = std::make_unique<TFHint>();
    FHint = m_hint.get();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void BenchRecalculate::cleanupTestCase()
{
    FHint = nullptr;
    FMain = nullptr;
    m_hint.reset();
    m_window.reset();
}

// The window as it opens: $1,000, $100 yearly, yearly compounding, 5.00 %, 10 years, no comparison.
void BenchRecalculate::typical()
{
    QCOMPARE(Control<QSpinBox>("seYears")->value(), 10);
    QVERIFY(!Control<QCheckBox>("chInflationCompare")->isChecked());
    QBENCHMARK {
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
    QBENCHMARK {
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
    QBENCHMARK {
        m_window->Recalculate();
        chart->repaint();
    }
}

QTEST_MAIN(BenchRecalculate)
#include "bench_Recalculate.moc"
