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
    void hintWidths_data();
    void hintWidths();
    void followsMouseOverBars_data();
    void followsMouseOverBars();
    void columnsFitFigures_data();
    void columnsFitFigures();
    void refill_data();
    void refill();
    void hiddenWith_data();
    void hiddenWith();
};

namespace {

enum class TStep
{
    StayInYear,
    LeaveChartAndReturn,
    OutOfRangeAndBack,
    SwitchLayout,
    Recalculate,
    PageSwitch,
    HideWindow,
    MinimiseWindow,
    DeactivateWindow,
};

// Moves the mouse to bottom-axis value AX (bar of year y at y - 1) at AShare of the value axis' top.
void Hover(WindowDriver& ADriver, double AX, double AShare)
{
    auto* chart = ADriver.control<ChartWidget>("Chart");
    const QPoint pixel(
        int(std::lround(chart->bottomAxis().calcPosValue(AX))),
        int(std::lround(chart->leftAxis().calcPosValue(AShare * chart->leftAxis().maximum()))));
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
    QTest::newRow("centre of the first bar") << 0.0 << 500.0 << 1;
    QTest::newRow("0.6 of a step left of the first bar") << -0.6 + 1e-9 << 500.0 << 1;
    QTest::newRow("past 0.6 left of the first bar") << -0.6 - 1e-9 << 500.0 << 0;
    QTest::newRow("0.4 right of bar 3 is still year 3") << 2.4 - 1e-9 << 500.0 << 3;
    QTest::newRow("past 0.4 right of bar 3 is year 4") << 2.4 + 1e-9 << 500.0 << 4;
    QTest::newRow("0.4 right of the last bar") << 9.4 - 1e-9 << 500.0 << 10;
    QTest::newRow("past 0.4 right of the last bar") << 9.4 + 1e-9 << 500.0 << 0;
    QTest::newRow("just under 1.3 times the maximum") << 0.0 << 1299.999 << 1;
    QTest::newRow("at 1.3 times the maximum") << 0.0 << 1300.0 << 0;
    QTest::newRow("far below the axis") << 0.0 << -5000.0 << 1;
    QTest::newRow("no axis value") << double(NAN) << 500.0 << 0;
}

void TestHoverSummary::yearUnderMouse()
{
    QFETCH(double, bottom);
    QFETCH(double, left);
    QFETCH(int, year);
    QCOMPARE(YearUnderMouse(bottom, left, 1000, 10).value_or(0), year);
}

void TestHoverSummary::hintWidths_data()
{
    QTest::addColumn<QVector<int>>("second");
    QTest::addColumn<int>("column2");
    QTest::addColumn<int>("client");
    QTest::newRow("no second side: 100 + column 1 + 6") << QVector<int>() << 0 << 206;
    QTest::newRow("second side: its widest + 20") << QVector<int>{70, 120, 90, 60, 110} << 140 << 346;
}

void TestHoverSummary::hintWidths()
{
    QFETCH(QVector<int>, second);
    QFETCH(int, column2);
    QFETCH(int, client);
    const THintWidths widths = HintWidths(100, {60, 100, 80, 40, 90}, second);
    QCOMPARE(widths.Column1, 100);
    QCOMPARE(widths.Column2, column2);
    QCOMPARE(widths.ClientWidth, client);
}

void TestHoverSummary::followsMouseOverBars_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("share");
    QTest::addColumn<QString>("caption"); // empty: hidden
    QTest::newRow("first bar") << 0.0 << 0.5 << "After 1 year";
    QTest::newRow("second bar") << 1.0 << 0.5 << "After 2 years";
    QTest::newRow("0.55 left of the first bar") << -0.55 << 0.5 << "After 1 year";
    QTest::newRow("0.7 left of the first bar") << -0.7 << 0.5 << "";
    QTest::newRow("0.3 right of the last bar") << 9.3 << 0.5 << "After 10 years";
    QTest::newRow("0.5 right of the last bar") << 9.5 << 0.5 << "";
    QTest::newRow("below the x axis") << 4.0 << -0.05 << "After 5 years";
    QTest::newRow("above 1.3 times the maximum") << 4.0 << 1.32 << "";
}

void TestHoverSummary::followsMouseOverBars()
{
    QFETCH(double, x);
    QFETCH(double, share);
    QFETCH(QString, caption);
    WindowDriver d;
    // At its smallest the window's legend wraps, so the chart reaches above 1.3 times the value axis' top.
    d.window.resize(d.window.minimumSize());
    Hover(d, x, share);
    QCOMPARE(d.hint.isVisible(), !caption.isEmpty());
    if (caption.isEmpty())
        return;
    QCOMPARE(d.hint.lAfter->text(), caption);
    QCOMPARE(d.hint.pos(), QCursor::pos() + QPoint(-(d.hint.width() / 2), 15));
    QCOMPARE(QApplication::activeWindow(), &d.window);
    QCOMPARE(QApplication::focusWidget(), d.control<QWidget>("TIntDep"));
}

void TestHoverSummary::columnsFitFigures_data()
{
    QTest::addColumn<QString>("box"); // the comparison box checked, if any
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QString>("heading"); // empty: no second column
    QTest::newRow("single side") << "" << true << "";
    QTest::newRow("alternative strategy") << "chAlternative" << true << "Alternative strategy (no inflation)";
    QTest::newRow("inflation comparison") << "chInflationCompare" << true << "Your strategy (no inflation)";
    QTest::newRow("second side not computed yet") << "chAlternative" << false << "";
}

void TestHoverSummary::columnsFitFigures()
{
    QFETCH(QString, box);
    QFETCH(bool, computed);
    QFETCH(QString, heading);
    WindowDriver d;
    if (!box.isEmpty()) {
        d.check(box.toLatin1().constData(), true);
        d.window.ArrangeAlternativeLayout();
        if (computed)
            d.window.Recalculate();
    }
    Hover(d, 1.0, 0.5);
    TFHint& h = d.hint;
    const int column1 = WidestOf({h.lYourStrategy, h.lInit1, h.lRegular1, h.lTotalInt1, h.lTotal1});
    QCOMPARE(h.lYourStrategy->text(), d.text("lStats1"));
    QCOMPARE(h.lAlternative->isHidden(), heading.isEmpty());
    QCOMPARE(h.lTotal2->isHidden(), heading.isEmpty());
    const int column2 = heading.isEmpty()
                            ? 0
                            : WidestOf({h.lAlternative, h.lInit2, h.lRegular2, h.lTotalInt2, h.lTotal2}) + 20;
    QCOMPARE(h.width(), 100 + column1 + column2 + 6);
    if (!heading.isEmpty())
        QCOMPARE(h.lAlternative->text(), heading);
    // Values stand flush against the right edge of their column, inside the one-pixel border.
    QTRY_COMPARE(h.lInit1->geometry().right() + 1, 1 + 100 + column1);
}

void TestHoverSummary::refill_data()
{
    QTest::addColumn<TStep>("step");
    QTest::addColumn<bool>("refilled");
    QTest::newRow("moving within one year") << TStep::StayInYear << false;
    QTest::newRow("leaving the chart keeps the year") << TStep::LeaveChartAndReturn << false;
    QTest::newRow("out of range and back") << TStep::OutOfRangeAndBack << true;
    QTest::newRow("layout switch over the same year") << TStep::SwitchLayout << true;
    QTest::newRow("recalculation while shown") << TStep::Recalculate << true;
}

void TestHoverSummary::refill()
{
    QFETCH(TStep, step);
    QFETCH(bool, refilled);
    WindowDriver d;
    Hover(d, 1.0, 0.5);
    d.hint.lAfter->setText(QStringLiteral("left from before"));
    if (step == TStep::LeaveChartAndReturn) {
        QTest::mouseMove(&d.window, QPoint(-40, -40));
        QVERIFY(!d.hint.isVisible());
    } else if (step == TStep::OutOfRangeAndBack) {
        Hover(d, -0.8, 0.5);
    } else if (step == TStep::SwitchLayout) {
        d.check("chInflationCompare", true);
        d.window.ArrangeAlternativeLayout();
    } else if (step == TStep::Recalculate) {
        d.setText("TIntDep", QStringLiteral("$2,000"));
    }
    Hover(d, 1.2, 0.4);
    QVERIFY(d.hint.isVisible());
    QCOMPARE(d.hint.lAfter->text() == QStringLiteral("After 2 years"), refilled);
    QCOMPARE(d.hint.lInit1->text(), d.text("lInitialDep1val"));
}

void TestHoverSummary::hiddenWith_data()
{
    QTest::addColumn<TStep>("step");
    QTest::newRow("another page") << TStep::PageSwitch;
    QTest::newRow("main window hidden") << TStep::HideWindow;
    QTest::newRow("main window minimised") << TStep::MinimiseWindow;
    QTest::newRow("another window activated") << TStep::DeactivateWindow;
}

void TestHoverSummary::hiddenWith()
{
    QFETCH(TStep, step);
    WindowDriver d;
    QWidget other;
    Hover(d, 1.0, 0.5);
    QVERIFY(d.hint.isVisible());
    if (step == TStep::PageSwitch)
        d.control<QTabWidget>("PageControl")->setCurrentIndex(1);
    else if (step == TStep::HideWindow)
        d.window.hide();
    else if (step == TStep::MinimiseWindow)
        d.window.showMinimized();
    else {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    QTRY_VERIFY(!d.hint.isVisible());
}

QTEST_MAIN(TestHoverSummary)
#include "tst_HoverSummary.moc"
