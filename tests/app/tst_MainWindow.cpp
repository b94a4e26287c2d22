#include "WindowDriver.h"

#include "controls/BalloonNotice.h"
#include "controls/GridPanel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

// Receives the links the window asks the desktop to open, instead of a browser.
class LinkCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& AUrl) { opened.append(AUrl); }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void startUpState();
    void linkCentredAndOpensAddress();
    void comparisonLayoutOnAndOff_data();
    void comparisonLayoutOnAndOff();
    void narrowWindowHidesTotals();
    void recalculationKeepsNarrowTotalsHidden();
    void gridFillsClientWidth();
    void wideWindowRuleInComparison_data();
    void wideWindowRuleInComparison();
    void tablePageRefits();
    void activationHidesBalloon();
    void controlsHaveAccessibleNames();
    void tabOrder();
    void helpOpensOnceAtSection_data();
    void helpOpensOnceAtSection();
};

namespace {

// Outer width as the window manager would report it; offscreen windows have no frame.
void ResizeOuter(WindowDriver& ADriver, int AOuterWidth, int AHeight = 562)
{
    const int frame = ADriver.window.frameGeometry().width() - ADriver.window.width();
    ADriver.window.resize(AOuterWidth - frame, AHeight);
    QCoreApplication::processEvents();
}

// The box's click handler lays the window out and recalculates.
void SwitchComparison(WindowDriver& ADriver, const char* ABox, bool AOn)
{
    ADriver.check(ABox, AOn);
}

QList<int> ColumnWidths(const StringGrid* AGrid)
{
    QList<int> widths;
    for (int col = 0; col < AGrid->colCount(); ++col)
        widths.append(AGrid->colWidth(col));
    return widths;
}

} // namespace

void TestMainWindow::startUpState()
{
    WindowDriver d;
    QCOMPARE(d.window.windowTitle(), QStringLiteral("Pelvantor"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Pelvantor"));
    QCOMPARE(d.window.size(), QSize(992, 562));
    QCOMPARE(d.text("lTotal1val"), QStringLiteral("$2,887"));
    QCOMPARE(d.control<QTabWidget>("PageControl")->currentIndex(), 0);
    QVERIFY(!d.control<QWidget>("PieChartAlt")->isVisible());
    QVERIFY(!!d.control<QWidget>("pTableAlt")->isHidden());
    QCOMPARE(d.control<ChartWidget>("PieChartFirst")->chart3DPercent(), 30);
    QCOMPARE(d.control<GridPanel>("GPPieCharts")->columnPercent(0), 100.0);
    QCOMPARE(d.control<GridPanel>("GPTabularData")->columnPercent(1), 0.0);
    QVERIFY(!d.control<QWidget>("APanel")->isEnabled());
    QVERIFY(!d.control<QWidget>("TAltdep")->isEnabled());
    QVERIFY(!d.control<QWidget>("pInflation")->isEnabled());
    QVERIFY(!d.control<QWidget>("chInflationCompare")->isEnabled());
    QVERIFY(d.control<QCheckBox>("chMarks")->isChecked());
    QCOMPARE(d.text("lStartLater"), QStringLiteral("0 Years"));
    QCOMPARE(d.grid("StrGridFirst")->rowHeight(0), 36);
    QCOMPARE(d.grid("StrGridFirst")->rowHeight(1), 24);
    QCOMPARE(d.window.focusWidget(), d.control<QWidget>("TIntDep"));
    for (int series = 3; series < 6; ++series) {
        QVERIFY(!d.bars(series)->showInLegend());
        QCOMPARE(d.bars(series)->count(), 0);
    }
}

void TestMainWindow::linkCentredAndOpensAddress()
{
    WindowDriver d;
    const QLabel* link = d.control<QLabel>("LinkLabel");
    QVERIFY(link->text().contains(QStringLiteral(">www.pelvantor.example<")));
    QCOMPARE(link->x(), (d.window.width() - link->width()) / 2);
    const int bottomGap = d.window.height() - link->geometry().bottom();
    ResizeOuter(d, 1200, 700);
    QVERIFY2(qAbs(link->x() + link->width() / 2 - d.window.width() / 2) <= 1, "the link stays centred");
    QCOMPARE(d.window.height() - link->geometry().bottom(), bottomGap);
    const QLabel* goal = d.control<QLabel>("LinkGoal");
    QVERIFY2(goal->geometry().right() < d.window.width() && goal->x() > link->geometry().right(),
             "the goal link stands at the right end");

    LinkCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    Q_EMIT d.control<QLabel>("LinkLabel")->linkActivated(QStringLiteral("https://www.pelvantor.example"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.pelvantor.example"))});

    // Back from a dialog or another program, the focus stays on a link rather than stepping on.
    for (const char* name : {"LinkLabel", "LinkGoal"}) {
        auto* control = d.control<QWidget>(name);
        control->setFocus(Qt::TabFocusReason);
        for (QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) {
            QFocusEvent event(type, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(control, &event);
        }
        QCOMPARE(d.window.focusWidget(), control);
    }
}

void TestMainWindow::comparisonLayoutOnAndOff_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("alternativeInputs");
    QTest::newRow("alternative strategy") << "chAlternative" << true;
    QTest::newRow("inflation comparison keeps the alternative inputs off") << "chInflationCompare" << false;
}

void TestMainWindow::comparisonLayoutOnAndOff()
{
    QFETCH(QString, box);
    QFETCH(bool, alternativeInputs);
    WindowDriver d;
    d.check("chInflation", true);
    SwitchComparison(d, qPrintable(box), true);
    QVERIFY(!d.control<QWidget>("PieChartAlt")->isHidden());
    QVERIFY(!d.control<QWidget>("pTableAlt")->isHidden());
    QCOMPARE(d.control<GridPanel>("GPPieCharts")->columnPercent(0), 50.0);
    QCOMPARE(d.control<GridPanel>("GPTabularData")->columnPercent(1), 50.0);
    QCOMPARE(d.control<ChartWidget>("PieChartFirst")->chart3DPercent(), 60);
    QVERIFY(d.control<QWidget>("pTotals2")->isVisible());
    for (int series = 3; series < 6; ++series) {
        QVERIFY(d.bars(series)->showInLegend());
        QCOMPARE(d.bars(series)->count(), 10);
    }
    QCOMPARE(d.control<QWidget>("APanel")->isEnabled(), alternativeInputs);
    for (const char* name : {"TAltdep", "CAltFreq", "TB", "Label2", "Label8", "Label9", "lStartLater"})
        QCOMPARE(d.control<QWidget>(name)->isEnabled(), alternativeInputs);

    SwitchComparison(d, qPrintable(box), false);
    QVERIFY(!!d.control<QWidget>("PieChartAlt")->isHidden());
    QVERIFY(!!d.control<QWidget>("pTableAlt")->isHidden());
    QCOMPARE(d.control<GridPanel>("GPPieCharts")->columnPercent(0), 100.0);
    QCOMPARE(d.control<ChartWidget>("PieChartFirst")->chart3DPercent(), 30);
    QVERIFY(!d.control<QWidget>("pTotals2")->isVisible());
    QVERIFY(!d.control<QWidget>("APanel")->isEnabled());
    for (int series = 3; series < 6; ++series) {
        QVERIFY(!d.bars(series)->showInLegend());
        QCOMPARE(d.bars(series)->count(), 0);
    }
}

void TestMainWindow::narrowWindowHidesTotals()
{
    WindowDriver d;
    SwitchComparison(d, "chAlternative", true);
    QVERIFY(d.control<QWidget>("pTotals1")->isVisible());
    QVERIFY(d.control<QWidget>("pTotals2")->isVisible());

    ResizeOuter(d, 700);
    QVERIFY(!d.control<QWidget>("pTotals1")->isVisible());
    QVERIFY(!d.control<QWidget>("lStats1")->isVisible());
    QVERIFY(!d.control<QWidget>("pTotals2")->isVisible());
    QVERIFY(!d.control<QWidget>("lStats2")->isVisible());

    ResizeOuter(d, 992);
    QVERIFY(d.control<QWidget>("pTotals1")->isVisible());
    QVERIFY(d.control<QWidget>("lStats2")->isVisible());
}

// A recalculation must not bring the second panel back while the first is hidden for want of room.
void TestMainWindow::recalculationKeepsNarrowTotalsHidden()
{
    WindowDriver d;
    SwitchComparison(d, "chAlternative", true);
    ResizeOuter(d, 700);
    d.setText("TIntDep", QStringLiteral("$2,000"));
    QCOMPARE(d.text("lInitialDep2val"), QStringLiteral("$2,000"));
    QVERIFY(!d.control<QWidget>("pTotals2")->isVisible());
    QVERIFY(!d.control<QWidget>("lStats2")->isVisible());
}

void TestMainWindow::gridFillsClientWidth()
{
    WindowDriver d;
    d.control<QTabWidget>("PageControl")->setCurrentIndex(2);
    const StringGrid* grid = d.grid("StrGridFirst");
    int sum = 4 * grid->gridLineWidth();
    for (int width : ColumnWidths(grid))
        sum += width;
    QCOMPARE(sum, grid->clientWidth());
    QCOMPARE(grid->colWidth(0), qRound(grid->clientWidth() * 0.1));
}

void TestMainWindow::wideWindowRuleInComparison_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<bool>("refitted");
    // The rule counts a common frame, whatever frame (here none) the desktop draws.
    QTest::newRow("983 keeps both tables as they are") << 983 << false;
    QTest::newRow("984 refits both") << 984 << true;
}

void TestMainWindow::wideWindowRuleInComparison()
{
    QFETCH(int, clientWidth);
    QFETCH(bool, refitted);
    WindowDriver d;
    d.control<QTabWidget>("PageControl")->setCurrentIndex(2);
    SwitchComparison(d, "chAlternative", true);
    for (const char* name : {"StrGridFirst", "StrGridAlt"})
        d.grid(name)->setColWidth(0, 7); // a width the user dragged
    d.window.resize(clientWidth, 562);
    QCoreApplication::processEvents();
    for (const char* name : {"StrGridFirst", "StrGridAlt"}) {
        const StringGrid* grid = d.grid(name);
        QCOMPARE(grid->colWidth(0) != 7, refitted);
        if (refitted)
            QCOMPARE(grid->colWidth(0), qRound(grid->clientWidth() * 0.1));
    }
}

void TestMainWindow::tablePageRefits()
{
    WindowDriver d;
    auto* pages = d.control<QTabWidget>("PageControl");
    StringGrid* grid = d.grid("StrGridFirst");
    grid->setColWidth(0, 7);
    pages->setCurrentIndex(1);
    QCOMPARE(grid->colWidth(0), 7);
    pages->setCurrentIndex(2);
    QCOMPARE(grid->colWidth(0), qRound(grid->clientWidth() * 0.1));
}

void TestMainWindow::activationHidesBalloon()
{
    WindowDriver d;
    auto* balloon = d.window.findChild<BalloonNotice*>(QStringLiteral("BalloonHint"));
    QVERIFY(balloon);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    balloon->showAt(d.window.mapToGlobal(QPoint(20, 205)), QStringLiteral("notice"));
    QVERIFY(balloon->isVisible());
    d.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d.window));
    QVERIFY(!balloon->isVisible());
}

void TestMainWindow::controlsHaveAccessibleNames()
{
    WindowDriver d;
    const char* names[] = {"TIntDep", "TRegDep", "CDefFreq", "CcompFreq", "TIntRate", "seYears", "chInflation",
                           "TInflation", "chAlternative", "chInflationCompare", "TAltdep", "CAltFreq", "TB",
                           "chMarks", "lInitialDep1val", "lRegularDep1val", "lTotalInt1val", "lTotal1val",
                           "lInitialDep2val", "lTotal2val", "StrGridFirst", "StrGridAlt", "Chart", "PieChartFirst"};
    for (const char* name : names) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(d.control<QWidget>(name));
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty(), name);
    }
    QCOMPARE(d.control<QWidget>("TIntDep")->accessibleName(), QStringLiteral("Initial deposit"));
    QCOMPARE(d.control<QWidget>("lTotal1val")->accessibleName(), QStringLiteral("Total savings"));
}

void TestMainWindow::tabOrder()
{
    WindowDriver d;
    const QStringList expected{"TIntDep",       "TRegDep",       "CDefFreq",    "CcompFreq",     "TIntRate",
                               "seYears",       "chInflation",   "TInflation",  "PageControl",   "Chart",
                               "PieChartFirst", "PieChartAlt",   "StrGridFirst", "StrGridAlt",   "LinkLabel",
                               "chAlternative", "TAltdep",       "CAltFreq",    "TB",            "chInflationCompare",
                               "LinkFile",      "LinkGoal"};
    QStringList chain;
    QWidget* start = d.control<QWidget>("TIntDep");
    QWidget* w = start;
    do {
        // A focus proxy (a spin box's line edit, a tab widget's bar) stands for the control that owns it.
        QWidget* owner = w;
        while (owner && !expected.contains(owner->objectName()))
            owner = owner->parentWidget();
        if (owner && !chain.contains(owner->objectName()))
            chain.append(owner->objectName());
        w = w->nextInFocusChain();
    } while (w != start);
    QCOMPARE(chain, expected);
}

void TestMainWindow::helpOpensOnceAtSection_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("heading");
    QTest::newRow("interest rate field: the rate's section") << "TIntRate" << "Interest rate";
    QTest::newRow("years box, through its inner edit: the years' section") << "seYears" << "Number of years";
    QTest::newRow("inflation field inside its panel: the inflation section")
        << "TInflation" << "Adjust for inflation and inflation rate";
    QTest::newRow("a link, no input: the top") << "LinkGoal" << "Pelvantor Help";
}

// F1 opens the help at the section of the input with the focus; pressed again while the help is open
// behind the window, it brings the same window back to the front; Escape closes it.
void TestMainWindow::helpOpensOnceAtSection()
{
    QFETCH(QString, focus);
    QFETCH(QString, heading);
    WindowDriver d;
    d.check("chInflation", true);
    for (int press = 1; press <= 2; ++press) {
        d.window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &d.window);
        d.control<QWidget>(qPrintable(focus))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        const QList<QWidget*> helps = d.window.findChildren<QWidget*>(QStringLiteral("FHelp"));
        QCOMPARE(helps.size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), helps[0]);
        const auto* browser = helps[0]->findChild<QTextBrowser*>();
        QCOMPARE(browser->cursorForPosition(QPoint(0, 0)).block().text().trimmed(), heading);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!d.window.findChild<QWidget*>(QStringLiteral("FHelp"))->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
