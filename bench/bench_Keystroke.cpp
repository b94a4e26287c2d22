#include "BenchWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <memory>

// From a digit typed into the interest rate to the new figures painted: the key reaches the edit rules,
// the accepted text recalculates both sides, and every visible control is repainted. The worst case the
// window offers: continuous compounding for 50 years, compared with itself without inflation. Run with
// QT_QPA_PLATFORM=offscreen.
class BenchKeystroke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void digitIntoRate_data();
    void digitIntoRate();

private:
    template <typename T> T* Control(const char* AName) const { return m_bench->control<T>(AName); }
    void Pick(const char* AList, const QString& AItem) const;

    std::unique_ptr<TBenchWindow> m_bench;
};

void BenchKeystroke::Pick(const char* AList, const QString& AItem) const
{
    auto* list = Control<QComboBox>(AList);
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText(AItem), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

void BenchKeystroke::initTestCase()
{
    m_bench = std::make_unique<TBenchWindow>();
    // Set up as a user would, each step through its handler.
    Control<QSpinBox>("seYears")->setValue(50);
    Pick("CcompFreq", QStringLiteral("Continuous"));
    QTest::mouseClick(Control<QCheckBox>("chInflation"), Qt::LeftButton);
    QTest::mouseClick(Control<QCheckBox>("chInflationCompare"), Qt::LeftButton);
    QCOMPARE(m_bench->window.f, std::int64_t(3650));
    QVERIFY(Control<QCheckBox>("chInflationCompare")->isChecked());
    QCOMPARE(Control<QLineEdit>("TRegDep")->text(), QStringLiteral("$0"));
    // The two rates the benchmark alternates between give different figures, so no keystroke is a no-op.
    auto* rate = Control<QLineEdit>("TIntRate");
    QStringList totals;
    for (const char digit : {'1', '2'}) {
        rate->selectAll();
        QTest::keyClick(rate, digit);
        totals.append(Control<QLabel>("lTotal1val")->text());
    }
    QVERIFY(totals[0] != totals[1]);
}

void BenchKeystroke::cleanupTestCase()
{
    m_bench.reset();
}

void BenchKeystroke::digitIntoRate_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("bar graph") << 0;
    QTest::newRow("pie charts") << 1;
    QTest::newRow("tables") << 2;
}

void BenchKeystroke::digitIntoRate()
{
    QFETCH(int, page);
    Control<QTabWidget>("PageControl")->setCurrentIndex(page);
    auto* rate = Control<QLineEdit>("TIntRate");
    rate->setFocus();
    int typed = 0;
    QBENCHMARK
    {
        // Over the whole text, a digit that differs from the last, so every keystroke changes the figures.
        rate->selectAll();
        QTest::keyClick(rate, char('1' + typed++ % 2));
        m_bench->window.repaint();
    }
    QCOMPARE(rate->text(), QString(QChar(u'1' + (typed - 1) % 2)));
}

QTEST_MAIN(BenchKeystroke)
#include "bench_Keystroke.moc"
