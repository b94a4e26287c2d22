#include "WindowDriver.h"

#include "hint/HoverRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <cmath>

// The hover summary over the bar graph: which year the mouse is in, what the window shows and how wide it
// is, when it is filled anew and when it goes. Window cases move the real mouse over the drawn bars.
class TestHoverSummary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void yearUnderMouse_data();
    void yearUnderMouse();
    void widthsFromLabels();
    void hoveredYear_data();
    void hoveredYear();
    void afterStep_data();
    void afterStep();
};

namespace {

using TStep = void (*)(WindowDriver&);

// Moves the mouse to bottom-axis value AAt.x() (bar of year y at y - 1) at AAt.y() of the value axis' top.
void Hover(WindowDriver& ADriver, QPointF AAt)
{
    auto* chart = ADriver.control<ChartWidget>("Chart");
    const QPoint pixel(
        int(std::lround(chart->bottomAxis().calcPosValue(AAt.x()))),
        int(std::lround(chart->leftAxis().calcPosValue(AAt.y() * chart->leftAxis().maximum()))));
    QVERIFY2(chart->rect().contains(pixel), "the point must lie on the chart");
    QTest::mouseMove(chart, pixel);
}

int WidestOf(std::initializer_list<const QLabel*> ALabels)
{
    int widest = 0;
    for (const QLabel* label : ALabels)
        widest = std::max(widest, label->sizeHint().width());
    return widest;
}

// What happens to the window between two movements, and the comparison set-ups, each as one step.
struct Step
{
    // Comparison mode switched on by its check box, whose handler lays out and recalculates; or laid out
    // only, as the window stands before that recalculation has run.
    static void Compare(WindowDriver& d, const char* ABox, bool ACompute)
    {
        if (ACompute) {
            d.check(ABox, true);
            return;
        }
        const QSignalBlocker blocker(d.control<QCheckBox>(ABox));
        d.check(ABox, true);
        d.window.ArrangeAlternativeLayout();
    }
    static void None(WindowDriver&) {}
    static void Alternative(WindowDriver& d) { Compare(d, "chAlternative", true); }
    static void AlternativeNotComputed(WindowDriver& d) { Compare(d, "chAlternative", false); }
    static void InflationComparison(WindowDriver& d) { Compare(d, "chInflationCompare", true); }
    static void SwitchLayout(WindowDriver& d) { Compare(d, "chInflationCompare", false); }
    static void LeaveChart(WindowDriver& d) { QTest::mouseMove(&d.window, QPoint(-40, -40)); }
    static void OutOfRange(WindowDriver& d) { Hover(d, {-0.8, 0.5}); }
    static void TypeDeposit(WindowDriver& d) { d.setText("TIntDep", QStringLiteral("$2,000")); }
    static void OtherPage(WindowDriver& d) { d.control<QTabWidget>("PageControl")->setCurrentIndex(1); }
    static void Minimise(WindowDriver& d) { d.window.showMinimized(); }
    static void ActivateOther(WindowDriver& d)
    {
        auto* other = new QWidget(&d.window, Qt::Window);
        other->show();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
    }
};

} // namespace

void TestHoverSummary::init()
{
    FailOnWarnings();
    // Qt drops a movement to where the mouse already is: each case starts away from every window.
    QCursor::setPos(-1000, -1000);
}

void TestHoverSummary::yearUnderMouse_data()
{
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("left");
    QTest::addColumn<int>("year"); // 0: out of range
    QTest::newRow("0.6 of a step left of the first bar") << -0.6 + 1e-9 << 500.0 << 1;
    QTest::newRow("past 0.6 left of the first bar") << -0.6 - 1e-9 << 500.0 << 0;
    QTest::newRow("0.4 right of bar 3 is still year 3") << 2.4 - 1e-9 << 500.0 << 3;
    QTest::newRow("past 0.4 right of bar 3 is year 4") << 2.4 + 1e-9 << 500.0 << 4;
    QTest::newRow("past 0.4 right of the last bar") << 9.4 + 1e-9 << 500.0 << 0;
    QTest::newRow("just under 1.3 times the maximum") << 0.0 << 1299.999 << 1;
    QTest::newRow("at 1.3 times the maximum") << 0.0 << 1300.0 << 0;
    QTest::newRow("no axis value") << double(NAN) << 500.0 << 0;
}

void TestHoverSummary::yearUnderMouse()
{
    QFETCH(double, bottom);
    QFETCH(double, left);
    QFETCH(int, year);
    QCOMPARE(YearUnderMouse(bottom, left, 1000, 10).value_or(0), year);
}

void TestHoverSummary::widthsFromLabels()
{
    const QVector<int> first{60, 100, 80, 40, 90};
    QCOMPARE(HintWidths(100, first, {}).ClientWidth, 100 + 100 + 6);
    const THintWidths both = HintWidths(100, first, {70, 120, 90, 60, 110});
    QCOMPARE(both.Column2, 120 + 20);
    QCOMPARE(both.ClientWidth, 100 + 100 + 140 + 6);
}

void TestHoverSummary::hoveredYear_data()
{
    QTest::addColumn<TStep>("setup");
    QTest::addColumn<QPointF>("at");      // bottom-axis value, share of the value axis' top
    QTest::addColumn<QString>("caption"); // empty: the window is hidden
    QTest::addColumn<QString>("heading"); // empty: no second column
    QTest::newRow("0.55 left of the first bar")
        << &Step::None << QPointF(-0.55, 0.5) << "After 1 year" << QString();
    QTest::newRow("0.7 left of the first bar") << &Step::None << QPointF(-0.7, 0.5) << QString() << QString();
    QTest::newRow("below the x axis") << &Step::None << QPointF(4, -0.05) << "After 5 years" << QString();
    QTest::newRow("above 1.3 times the maximum") << &Step::None << QPointF(4, 1.32) << QString() << QString();
    QTest::newRow("alternative strategy") << &Step::Alternative << QPointF(1, 0.5) << "After 2 years"
                                          << "Alternative strategy (no inflation)";
    QTest::newRow("inflation comparison") << &Step::InflationComparison << QPointF(1, 0.5) << "After 2 years"
                                          << "Your strategy (no inflation)";
    QTest::newRow("second side not computed yet")
        << &Step::AlternativeNotComputed << QPointF(1, 0.5) << "After 2 years" << QString();
}

void TestHoverSummary::hoveredYear()
{
    QFETCH(TStep, setup);
    QFETCH(QPointF, at);
    QFETCH(QString, caption);
    QFETCH(QString, heading);
    WindowDriver d;
    // At its smallest the window's legend wraps, so the chart reaches above 1.3 times the value axis' top.
    d.window.resize(d.window.minimumSize());
    setup(d);
    Hover(d, at);
    TFHint& h = d.hint;
    QCOMPARE(h.isVisible(), !caption.isEmpty());
    if (caption.isEmpty())
        return;
    QCOMPARE(h.lAfter->text(), caption);
    QCOMPARE(h.lYourStrategy->text(), d.text("lStats1"));
    QCOMPARE(h.lAlternative->isHidden() ? QString() : h.lAlternative->text(), heading);
    const int column1 = WidestOf({h.lYourStrategy, h.lInit1, h.lRegular1, h.lTotalInt1, h.lTotal1});
    const int column2 = WidestOf({h.lAlternative, h.lInit2, h.lRegular2, h.lTotalInt2, h.lTotal2}) + 20;
    QCOMPARE(h.width(), 100 + column1 + (heading.isEmpty() ? 0 : column2) + 6);
    // Values stand flush against the right edge of their column, inside the one-pixel border.
    QTRY_COMPARE(h.lInit1->geometry().right() + 1, 1 + 100 + column1);
    QCOMPARE(h.pos(), QCursor::pos() + QPoint(-(h.width() / 2), 15));
    QCOMPARE(QApplication::focusWidget(), d.control<QWidget>("TIntDep"));
}

void TestHoverSummary::afterStep_data()
{
    QTest::addColumn<TStep>("step");
    QTest::addColumn<QString>("then"); // over the same year again: "kept" or "refilled"; or "hidden"
    QTest::newRow("moving within the year") << &Step::None << "kept";
    QTest::newRow("leaving the chart") << &Step::LeaveChart << "hidden";
    QTest::newRow("leaving and coming back") << &Step::LeaveChart << "kept";
    QTest::newRow("out of range and back") << &Step::OutOfRange << "refilled";
    QTest::newRow("layout switch") << &Step::SwitchLayout << "refilled";
    QTest::newRow("recalculation") << &Step::TypeDeposit << "refilled";
    QTest::newRow("another page") << &Step::OtherPage << "hidden";
    QTest::newRow("main window minimised") << &Step::Minimise << "hidden";
    QTest::newRow("another window activated") << &Step::ActivateOther << "hidden";
}

void TestHoverSummary::afterStep()
{
    QFETCH(TStep, step);
    QFETCH(QString, then);
    WindowDriver d;
    Hover(d, {1.0, 0.5});
    d.hint.lAfter->setText(QStringLiteral("left from before"));
    step(d);
    if (then == u"hidden") {
        QTRY_VERIFY(!d.hint.isVisible());
        return;
    }
    Hover(d, {1.2, 0.4});
    QVERIFY(d.hint.isVisible());
    QCOMPARE(d.hint.lAfter->text() == u"After 2 years", then == u"refilled");
    QCOMPARE(d.hint.lInit1->text(), d.text("lInitialDep1val"));
}

QTEST_MAIN(TestHoverSummary)
#include "tst_HoverSummary.moc"
