#include "WindowDriver.h"

#include "controls/BalloonNotice.h"
#include "controls/SpinEdit.h"

#include <QAccessible>
#include <QSlider>

// What a screen reader hears of the results: the totals, the tables' headers, the charts' items and the
// notice. (That it is told of changes needs a live accessibility bus; offscreen there is none.)
class TestResultsAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void summaryRead_data();
    void summaryRead();
    void headerCaptionsRead_data();
    void headerCaptionsRead();
    void barChildPerYear_data();
    void barChildPerYear();
    void pieChildPerSlice_data();
    void pieChildPerSlice();
    void noticeReadAsAlert();
};

namespace {

QAccessibleInterface* Accessible(const WindowDriver& ADriver, const QString& AName)
{
    return QAccessible::queryAccessibleInterface(ADriver.control<QWidget>(qPrintable(AName)));
}

void Compare(WindowDriver& ADriver, const QString& ABox, int AStartLater)
{
    ADriver.check("chInflation", ABox == u"chInflationCompare");
    if (!ABox.isEmpty())
        ADriver.check(qPrintable(ABox), true);
    ADriver.control<QSlider>("TB")->setValue(AStartLater);
    ADriver.window.ArrangeAlternativeLayout();
    ADriver.window.Recalculate();
}

QString Figures(const QStringList& ARow)
{
    return QStringLiteral("initial deposit %1, regular deposits %2, total interest %3, total %4")
        .arg(ARow[1], ARow[2], ARow[3], ARow[4]);
}

} // namespace

void TestResultsAccessibility::summaryRead_data()
{
    QTest::addColumn<QStringList>("labelAndName");

    QTest::newRow("user's total") << QStringList{"lTotal1val", "Total savings: $3,887"};
    QTest::newRow("user's interest") << QStringList{"lTotalInt1val", "Total interest: $1,387"};
    QTest::newRow("second side's deposits") << QStringList{"lRegularDep2val", "Regular deposits: $750"};
    QTest::newRow("second side's total") << QStringList{"lTotal2val", "Total savings: $4,201"};
    QTest::newRow("user's heading as shown") << QStringList{"lStats1", "Your strategy (no inflation)"};
    QTest::newRow("second heading as shown") << QStringList{"lStats2", "Alternative strategy (no inflation)"};
}

void TestResultsAccessibility::summaryRead()
{
    QFETCH(QStringList, labelAndName);
    WindowDriver d;
    d.setText("TIntDep", QStringLiteral("$2,000"));
    d.setText("TRegDep", QStringLiteral("$50"));
    Compare(d, QStringLiteral("chAlternative"), 0);
    // Read as a line is read: the caption that labels the figure, then the figure.
    QAccessibleInterface* label = Accessible(d, labelAndName[0]);
    QStringList line;
    for (const auto& [caption, relation] : label->relations(QAccessible::Label))
        line.append(caption->text(QAccessible::Name));
    line.append(label->text(QAccessible::Name));
    QCOMPARE(line.join(u' '), labelAndName[1]);
}

void TestResultsAccessibility::headerCaptionsRead_data()
{
    QTest::addColumn<QString>("grid");
    QTest::newRow("your table") << "StrGridFirst";
    QTest::newRow("second table") << "StrGridAlt";
}

void TestResultsAccessibility::headerCaptionsRead()
{
    QFETCH(QString, grid);
    WindowDriver d;
    Compare(d, QStringLiteral("chAlternative"), 0);
    const QStringList captions{"Year", "Initial deposit", "Regular deposits", "Total interest", "Total"};
    for (int col = 0; col < 5; ++col) {
        // A data cell announces its column by the header cell's text.
        QAccessibleInterface* cell = Accessible(d, grid)->tableInterface()->cellAt(2, col);
        QVERIFY(cell);
        // The year cell names its row; the figures are read as shown.
        QCOMPARE(cell->text(QAccessible::Name),
                 col == 0 ? QStringLiteral("Year 3") : d.row(qPrintable(grid), 3)[col]);
        QAccessibleInterface* header = cell->tableCellInterface()->columnHeaderCells().value(0);
        QVERIFY(header && header->role() == QAccessible::ColumnHeader);
        QCOMPARE(header->text(QAccessible::Name), captions[col]);
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
        // Its row is named by the row header and, for a figure, by its description too.
        QAccessibleInterface* rowHeader = cell->tableCellInterface()->rowHeaderCells().value(0);
        QVERIFY(rowHeader && rowHeader->role() == QAccessible::RowHeader);
        QCOMPARE(rowHeader->text(QAccessible::Name), QStringLiteral("Year 3"));
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(rowHeader));
        QCOMPARE(cell->text(QAccessible::Description), col == 0 ? QString() : QStringLiteral("Year 3"));
        // The header paints its captions itself: the view must not draw them a second time.
        QVERIFY(d.grid(qPrintable(grid))->model()->headerData(col, Qt::Horizontal).toString().isEmpty());
    }
}

void TestResultsAccessibility::barChildPerYear_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("startLater");
    QTest::addColumn<int>("years");

    QTest::newRow("single layout") << QString() << 0 << 10;
    QTest::newRow("one year") << QString() << 0 << 1;
    QTest::newRow("alternative three years later") << "chAlternative" << 3 << 10;
    QTest::newRow("inflation comparison") << "chInflationCompare" << 0 << 50;
}

void TestResultsAccessibility::barChildPerYear()
{
    QFETCH(QString, box);
    QFETCH(int, startLater);
    QFETCH(int, years);
    WindowDriver d;
    d.control<SpinEdit>("seYears")->setValue(years);
    Compare(d, box, startLater);
    QAccessibleInterface* chart = Accessible(d, "Chart");
    QCOMPARE(chart->role(), QAccessible::Chart);
    // One child per year, then "Show marks", which stands on the chart.
    QCOMPARE(chart->childCount(), years + 1);
    QCOMPARE(chart->child(years)->text(QAccessible::Name), QStringLiteral("Show marks"));
    for (int year = 1; year <= years; ++year) {
        QString expected = QStringLiteral("Year %1: ").arg(year) + Figures(d.row("StrGridFirst", year));
        if (!box.isEmpty())
            expected += QStringLiteral("; %1: ").arg(d.text("lStats2")) + Figures(d.row("StrGridAlt", year));
        QAccessibleInterface* child = chart->child(year - 1);
        QCOMPARE(child->text(QAccessible::Name), expected);
        QCOMPARE(child->role(), QAccessible::Graphic); // one review item, not a run of words
        QCOMPARE(chart->indexOfChild(child), year - 1);
        QCOMPARE(chart->childAt(child->rect().center().x(), child->rect().center().y()), child);
    }
}

void TestResultsAccessibility::pieChildPerSlice_data()
{
    QTest::addColumn<QStringList>("deposits"); // initial, regular
    QTest::addColumn<QStringList>("slices");

    QTest::newRow("three slices") << QStringList{"$1,000", "$100"}
                                  << QStringList{"Initial Deposit $1,000, 35 %",
                                                 "Regular Deposits $1,000, 35 %",
                                                 "Total Interest $887, 31 %"};
    QTest::newRow("no regular deposits: two slices")
        << QStringList{"$1,000", "$0"}
        << QStringList{"Initial Deposit $1,000, 61 %", "Total Interest $629, 39 %"};
    QTest::newRow("a sliver is not 0 %")
        << QStringList{"$1", "$100,000"}
        << QStringList{"Initial Deposit $1, less than 1 %", "Regular Deposits $1,000,000, 80 %",
                       "Total Interest $257,790, 20 %"};
}

void TestResultsAccessibility::pieChildPerSlice()
{
    QFETCH(QStringList, deposits);
    QFETCH(QStringList, slices);
    WindowDriver d;
    d.setText("TIntDep", deposits[0]);
    d.setText("TRegDep", deposits[1]);
    d.window.Recalculate();
    QAccessibleInterface* pie = Accessible(d, "PieChartFirst");
    QStringList heard;
    for (int i = 0; i < pie->childCount(); ++i)
        heard.append(pie->child(i)->text(QAccessible::Name));
    QCOMPARE(heard, slices);
}

void TestResultsAccessibility::noticeReadAsAlert()
{
    WindowDriver d;
    auto* notice = d.window.findChild<BalloonNotice*>();
    notice->showAt(d.window.mapToGlobal(QPoint(20, 205)), QStringLiteral("No deposits.\r\nUse daily."));
    QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(notice);
    QCOMPARE(alert->role(), QAccessible::AlertMessage);
    QCOMPARE(alert->text(QAccessible::Name), QStringLiteral("No deposits. Use daily."));
}

QTEST_MAIN(TestResultsAccessibility)
#include "tst_ResultsAccessibility.moc"
