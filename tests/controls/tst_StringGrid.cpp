#include "controls/StringGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace
{
QString CellText(int ACol, int ARow)
{
    return QStringLiteral("c%1r%2").arg(ACol).arg(ARow);
}

// Gives every cell, header row included, a text naming its own place.
void FillAll(StringGrid& AGrid)
{
    for (int row = 0; row < AGrid.rowCount(); ++row)
        for (int col = 0; col < AGrid.colCount(); ++col)
            AGrid.setCell(col, row, CellText(col, row));
}

// Every cell as the view shows it: row 0 from the header, rows 1 and up from the model's rows 0 and up.
QStringList ShownTexts(const StringGrid& AGrid)
{
    QStringList texts;
    const QAbstractItemModel* model = AGrid.model();
    for (int col = 0; col < model->columnCount(); ++col)
        texts.append(model->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString());
    for (int row = 0; row < model->rowCount(); ++row)
        for (int col = 0; col < model->columnCount(); ++col)
            texts.append(model->data(model->index(row, col), Qt::DisplayRole).toString());
    return texts;
}

QStringList ExpectedTexts(int ARows, int AFilledRows)
{
    QStringList texts;
    for (int row = 0; row < ARows; ++row)
        for (int col = 0; col < 5; ++col)
            texts.append(row < AFilledRows ? CellText(col, row) : QString());
    return texts;
}
} // namespace

class TestStringGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void rowCount_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("gridRows");
        QTest::addColumn<int>("viewRows");

        QTest::newRow("header only") << 1 << 1 << 0;
        QTest::newRow("one data row") << 2 << 2 << 1;
        QTest::newRow("fifty years") << 51 << 51 << 50;
        QTest::newRow("zero keeps the header") << 0 << 1 << 0;
        QTest::newRow("negative keeps the header") << -4 << 1 << 0;
    }

    void rowCount()
    {
        QFETCH(int, rows);
        QFETCH(int, gridRows);
        QFETCH(int, viewRows);

        StringGrid grid;
        grid.setRowCount(7);
        grid.setRowCount(rows);
        QCOMPARE(grid.rowCount(), gridRows);
        QCOMPARE(grid.model()->rowCount(), viewRows);
        QCOMPARE(grid.model()->columnCount(), 5);
        QCOMPARE(grid.colCount(), 5);
    }

    // Each cell must land in its own place: a mix-up of column and row, or a missing shift for the header
    // row, would show some text in the wrong cell.
    void cellsShowInTheirPlace_data()
    {
        QTest::addColumn<int>("rows");

        QTest::newRow("header only") << 1;
        QTest::newRow("two data rows") << 3;
        QTest::newRow("more rows than columns") << 12;
    }

    void cellsShowInTheirPlace()
    {
        QFETCH(int, rows);

        StringGrid grid;
        grid.setRowCount(rows);
        FillAll(grid);
        QCOMPARE(ShownTexts(grid), ExpectedTexts(rows, rows));
    }

    void setCellNotifiesView_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("viewRow");

        QTest::newRow("first data row, first column") << 0 << 1 << 0;
        QTest::newRow("last data row, last column") << 4 << 3 << 2;
        QTest::newRow("middle") << 2 << 2 << 1;
    }

    void setCellNotifiesView()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, viewRow);

        StringGrid grid;
        grid.setRowCount(4);
        QSignalSpy spy(grid.model(), &QAbstractItemModel::dataChanged);
        grid.setCell(col, row, QStringLiteral("1 234.56"));
        QCOMPARE(spy.count(), 1);
        const QModelIndex changed = spy.at(0).at(0).toModelIndex();
        QCOMPARE(changed.row(), viewRow);
        QCOMPARE(changed.column(), col);
        QCOMPARE(changed.data().toString(), QStringLiteral("1 234.56"));
    }

    void outOfRangeCellsIgnored_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");

        QTest::newRow("column past the last") << 5 << 1;
        QTest::newRow("negative column") << -1 << 1;
        QTest::newRow("row past the last") << 0 << 4;
        QTest::newRow("far row") << 2 << 1000;
        QTest::newRow("negative row") << 0 << -1;
    }

    void outOfRangeCellsIgnored()
    {
        QFETCH(int, col);
        QFETCH(int, row);

        StringGrid grid;
        grid.setRowCount(4);
        FillAll(grid);
        QSignalSpy spy(grid.model(), &QAbstractItemModel::dataChanged);
        grid.setCell(col, row, QStringLiteral("stray"));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(grid.cell(col, row), QString());
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(ShownTexts(grid), ExpectedTexts(4, 4));
    }

    // Adding rows for more years keeps what the earlier rows show; dropping rows drops only theirs.
    void rowCountChangeKeepsTexts_data()
    {
        QTest::addColumn<int>("newRows");

        QTest::newRow("grown") << 7;
        QTest::newRow("shrunk") << 2;
        QTest::newRow("unchanged") << 4;
    }

    void rowCountChangeKeepsTexts()
    {
        QFETCH(int, newRows);

        StringGrid grid;
        grid.setRowCount(4);
        FillAll(grid);
        grid.setRowCount(newRows);
        QCOMPARE(ShownTexts(grid), ExpectedTexts(newRows, std::min(newRows, 4)));
    }

    void colWidths_data()
    {
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("expected");

        QTest::newRow("typical") << QList<int>{60, 120, 110, 110, 130} << QList<int>{60, 120, 110, 110, 130};
        QTest::newRow("all empty") << QList<int>{0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("negative taken as empty") << QList<int>{-5, 40, 40, 40, -1} << QList<int>{0, 40, 40, 40, 0};
        QTest::newRow("one pixel each") << QList<int>{1, 1, 1, 1, 1} << QList<int>{1, 1, 1, 1, 1};
    }

    void colWidths()
    {
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, expected);

        StringGrid grid;
        for (int col = 0; col < widths.size(); ++col)
            grid.setColWidth(col, widths[col]);
        // Widths for columns the grid does not have change nothing.
        grid.setColWidth(-1, 77);
        grid.setColWidth(5, 77);

        const QHeaderView* header = grid.horizontalHeader();
        int sum = 0;
        for (int col = 0; col < 5; ++col) {
            QCOMPARE(grid.colWidth(col), expected[col]);
            // Every section but the last also holds the line to the column's right.
            QCOMPARE(header->sectionSize(col), expected[col] + (col < 4 ? grid.gridLineWidth() : 0));
            sum += expected[col];
        }
        QCOMPARE(sum + 4 * grid.gridLineWidth(), header->length());
    }

    // Column widths are shared out of clientWidth(); five columns so sized must fill the view without a scroll bar.
    void columnsFillClientWidth()
    {
        StringGrid grid;
        grid.resize(500, 200);
        grid.setRowCount(4);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const int share = (grid.clientWidth() - 4 * grid.gridLineWidth()) / 5;
        const int last = grid.clientWidth() - 4 * grid.gridLineWidth() - 4 * share;
        for (int col = 0; col < 4; ++col)
            grid.setColWidth(col, share);
        grid.setColWidth(4, last);
        QCOMPARE(grid.horizontalHeader()->length(), grid.clientWidth());
        QTRY_VERIFY_WITH_TIMEOUT(!grid.horizontalScrollBar()->isVisible(), 1000);
    }

    void headerHeight_data()
    {
        QTest::addColumn<bool>("setBeforeShow");
        QTest::addColumn<int>("height");

        QTest::newRow("before show, one and a half rows") << true << 36;
        QTest::newRow("after show, one and a half rows") << false << 36;
        QTest::newRow("after show, lower than a row") << false << 18;
    }

    void headerHeight()
    {
        QFETCH(bool, setBeforeShow);
        QFETCH(int, height);

        StringGrid grid;
        grid.resize(500, 300);
        grid.setRowCount(5);
        if (setBeforeShow)
            grid.setRowHeight(0, height);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        if (!setBeforeShow)
            grid.setRowHeight(0, height);
        // Heights of other rows are not the header's business.
        grid.setRowHeight(2, 80);
        QCoreApplication::processEvents();

        QCOMPARE(grid.rowHeight(0), height);
        QCOMPARE(grid.horizontalHeader()->height(), height);
        // The rows start right under the header, neither hidden by it nor leaving a gap.
        QCOMPARE(grid.viewport()->y(), grid.horizontalHeader()->geometry().bottom() + 1);
        QCOMPARE(grid.horizontalHeader()->y(), grid.frameWidth());
        QCOMPARE(grid.rowHeight(1), grid.defaultRowHeight());
        QCOMPARE(grid.rowHeight(2), grid.defaultRowHeight());
        QCOMPARE(grid.verticalHeader()->sectionSize(1), grid.defaultRowHeight());
    }

    void notEditable_data()
    {
        QTest::addColumn<int>("trigger");

        QTest::newRow("double click") << 0;
        QTest::newRow("F2") << 1;
        QTest::newRow("typing") << 2;
    }

    void notEditable()
    {
        QFETCH(int, trigger);

        StringGrid grid;
        grid.resize(500, 300);
        grid.setRowCount(4);
        FillAll(grid);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QModelIndex index = grid.model()->index(1, 2);
        grid.setCurrentIndex(index);
        QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        switch (trigger) {
        case 0: QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center()); break;
        case 1: QTest::keyClick(&grid, Qt::Key_F2); break;
        default: QTest::keyClicks(&grid, QStringLiteral("9")); break;
        }
        QCoreApplication::processEvents();
        // An opened editor would be a line edit inside the view.
        QVERIFY(grid.findChildren<QLineEdit*>().isEmpty());
        QVERIFY(!grid.indexWidget(index));
        QVERIFY(!grid.isPersistentEditorOpen(index));
        QCOMPARE(grid.cell(2, 2), CellText(2, 2));
    }

    void clickSelectsWholeRow_data()
    {
        QTest::addColumn<QList<QPoint>>("clicks"); // (column, view row) clicked in turn
        QTest::addColumn<int>("selectedRow");

        QTest::newRow("first cell") << QList<QPoint>{{0, 0}} << 0;
        QTest::newRow("last column of a middle row") << QList<QPoint>{{4, 2}} << 2;
        QTest::newRow("second click moves the selection") << QList<QPoint>{{1, 0}, {3, 3}} << 3;
        QTest::newRow("same row twice") << QList<QPoint>{{1, 2}, {2, 2}} << 2;
    }

    void clickSelectsWholeRow()
    {
        QFETCH(QList<QPoint>, clicks);
        QFETCH(int, selectedRow);

        StringGrid grid;
        grid.resize(600, 300);
        grid.setRowCount(5);
        FillAll(grid);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        for (const QPoint& click : clicks) {
            const QRect cellRect = grid.visualRect(grid.model()->index(click.y(), click.x()));
            QVERIFY(grid.viewport()->rect().contains(cellRect.center()));
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellRect.center());
        }
        const QModelIndexList rows = grid.selectionModel()->selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().row(), selectedRow);
        QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 5);
    }
};

QTEST_MAIN(TestStringGrid)
#include "tst_StringGrid.moc"
