#include "WindowDriver.h"

#include "charts/ChartLayout.h"
#include "results/TableHeader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSlider>
#include <QTabWidget>

// What the window draws of its results: bars, marks, pies and the year tables' headers, judged on grabs
// of the real widgets.
class TestChartsAndTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void barsDrawnBySide_data();
    void barsDrawnBySide();
    void showMarksTogglesBothSides();
    void pieWithoutRegularDeposits();
    void pieWithNothingToShare();
    void headerCaptionPlaces_data();
    void headerCaptionPlaces();
    void headerCaptionsPainted();
    void copySelectedRows();
};

namespace {

const QColor UserInitial(128, 128, 64);
const QColor SecondInitial(128, 64, 64);
const QColor FirstMarkArrow(128, 0, 64);

QImage Grab(QWidget* AWidget)
{
    return AWidget->grab().toImage();
}

// The colour at a point given in the widget's own pixels, whatever the scaling.
QColor PixelAt(const QImage& AImage, QPointF APoint)
{
    APoint *= AImage.devicePixelRatio();
    return AImage.pixelColor(APoint.toPoint());
}

// The image's pixels under an area given in the widget's own pixels.
QRect DeviceRect(const QImage& AImage, const QRectF& AArea)
{
    const qreal ratio = AImage.devicePixelRatio();
    return QRectF(AArea.topLeft() * ratio, AArea.size() * ratio).toRect().intersected(AImage.rect());
}

template <class TTest> int CountPixels(const QImage& AImage, const QRectF& AArea, TTest ATest)
{
    const QRect area = DeviceRect(AImage, AArea);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += ATest(AImage.pixelColor(x, y));
    return count;
}

int CountColour(const QImage& AImage, const QColor& AColour, const QRectF& AArea)
{
    return CountPixels(AImage, AArea, [&AColour](const QColor& APixel) { return APixel == AColour; });
}

// Pixels dark enough to be text, antialiased or not.
int CountDark(const QImage& AImage, const QRectF& AArea)
{
    return CountPixels(AImage, AArea, [](const QColor& APixel) { return APixel.lightness() < 110; });
}

void Compare(WindowDriver& ADriver, const char* ABox, int AStartLater)
{
    // The box and the track bar recalculate through their handlers.
    ADriver.check(ABox, true);
    ADriver.control<QSlider>("TB")->setValue(AStartLater);
}

// The x range of year AYear's column on the bar graph.
QRectF YearColumn(const ChartWidget* AChart, int AYear)
{
    const TChartLayout& layout = AChart->layout();
    const double left = AChart->bottomAxis().calcPosValue(AYear - 1.5);
    const double right = AChart->bottomAxis().calcPosValue(AYear - 0.5);
    return QRectF(left, layout.Plot.top(), right - left, layout.Plot.height());
}

} // namespace

void TestChartsAndTables::barsDrawnBySide_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("startLater");
    QTest::addColumn<int>("firstSecondYear"); // 0: no second side

    QTest::newRow("single layout") << QString() << 0 << 0;
    QTest::newRow("alternative beside the user's bars") << "chAlternative" << 0 << 1;
    QTest::newRow("alternative three years later") << "chAlternative" << 3 << 4;
}

void TestChartsAndTables::barsDrawnBySide()
{
    QFETCH(QString, box);
    QFETCH(int, startLater);
    QFETCH(int, firstSecondYear);
    WindowDriver d;
    if (!box.isEmpty())
        Compare(d, qPrintable(box), startLater);
    auto* chart = d.control<ChartWidget>("Chart");
    const QImage image = Grab(chart);
    for (int year = 1; year <= 10; ++year) {
        const QRectF column = YearColumn(chart, year);
        QVERIFY2(CountColour(image, UserInitial, column) > 0, qPrintable(QString::number(year)));
        const bool second = firstSecondYear > 0 && year >= firstSecondYear;
        QCOMPARE(CountColour(image, SecondInitial, column) > 0, second);
        if (!second)
            continue;
        // Side by side: the second side's initial deposit lies right of every pixel of the user's.
        const QRectF leftHalf(column.left(), column.top(), column.width() / 2 - 1, column.height());
        QCOMPARE(CountColour(image, SecondInitial, leftHalf), 0);
    }
}

void TestChartsAndTables::showMarksTogglesBothSides()
{
    WindowDriver d;
    Compare(d, "chAlternative", 0);
    auto* chart = d.control<ChartWidget>("Chart");
    auto* marks = d.control<QCheckBox>("chMarks");
    QVERIFY(marks->isChecked());
    QVERIFY(CountColour(Grab(chart), FirstMarkArrow, chart->rect()) > 0);
    const int marksShown = int(chart->layout().Marks.size());
    QCOMPARE(marksShown, 20); // every year of both sides
    QCOMPARE(chart->layout().Marks.last().Point, 9);
    QCOMPARE(chart->layout().Marks.first().Series, 2);
    QCOMPARE(chart->layout().Marks.last().Series, 5);

    QTest::mouseClick(marks, Qt::LeftButton);
    QVERIFY(!d.bars(2)->marks().visible && !d.bars(5)->marks().visible);
    QCOMPARE(chart->layout().Marks.size(), 0);
    QCOMPARE(CountColour(Grab(chart), FirstMarkArrow, chart->rect()), 0);

    QTest::mouseClick(marks, Qt::LeftButton);
    QCOMPARE(chart->layout().Marks.size(), marksShown);
    // The state outlives a recalculation.
    QTest::mouseClick(marks, Qt::LeftButton);
    d.window.Recalculate();
    QVERIFY(!d.bars(2)->marks().visible && !d.bars(5)->marks().visible);
}

void TestChartsAndTables::pieWithoutRegularDeposits()
{
    WindowDriver d;
    d.setText("TRegDep", QStringLiteral("$0"));
    d.control<QTabWidget>("PageControl")->setCurrentIndex(1);
    auto* pie = d.control<ChartWidget>("PieChartFirst");
    const TChartLayout& layout = pie->layout();
    QCOMPARE(layout.Pie.Slices.size(), 2);
    const QImage image = Grab(pie);
    const QColor expected[] = {d.bars(0)->seriesColor(), d.bars(2)->seriesColor()};
    for (int i = 0; i < 2; ++i) {
        // Slices shade a little towards the middle: the nearest of the three bar colours must be the slice's.
        const QColor seen = PixelAt(image, layout.Pie.pointAt(layout.Pie.Slices[i].MidAngle, 0.85));
        int nearest = 0;
        int best = INT_MAX;
        for (int s = 0; s < 3; ++s) {
            const QColor c = d.bars(s)->seriesColor();
            const int distance = std::abs(c.red() - seen.red()) + std::abs(c.green() - seen.green()) +
                                 std::abs(c.blue() - seen.blue());
            if (distance < best)
                best = distance, nearest = s;
        }
        QCOMPARE(d.bars(nearest)->seriesColor(), expected[i]);
    }
}

void TestChartsAndTables::pieWithNothingToShare()
{
    WindowDriver d;
    d.setText("TIntDep", QStringLiteral("$0"));
    d.setText("TRegDep", QStringLiteral("$0"));
    d.control<QTabWidget>("PageControl")->setCurrentIndex(1);
    auto* pie = d.control<ChartWidget>("PieChartFirst");
    QVERIFY(pie->layout().Pie.Slices.isEmpty());
    const QImage image = Grab(pie);
    const QRectF below(0, pie->layout().Legend.Bottom, pie->width(),
                       pie->height() - pie->layout().Legend.Bottom);
    const QRect area = DeviceRect(image, below);
    QCOMPARE(CountColour(image, pie->backgroundColor(), below), area.width() * area.height());
}

void TestChartsAndTables::headerCaptionPlaces_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QVector<THeaderLine>>("lines");

    // Cells of 80 × 36 at x 10; every letter 6 pixels wide, lines 13 high.
    QTest::newRow("Year a pixel left of centre") << 0 << QVector<THeaderLine>{{"Year", {37, 11}}};
    QTest::newRow("two lines, each centred")
        << 1 << QVector<THeaderLine>{{"Initial", {29, 5}}, {"deposit", {29, 18}}};
    QTest::newRow("odd widths truncate")
        << 2 << QVector<THeaderLine>{{"Regular", {29, 5}}, {"deposits", {26, 18}}};
    QTest::newRow("Total centred") << 4 << QVector<THeaderLine>{{"Total", {35, 11}}};
    QTest::newRow("no sixth column") << 5 << QVector<THeaderLine>{};
}

void TestChartsAndTables::headerCaptionPlaces()
{
    QFETCH(int, col);
    QFETCH(QVector<THeaderLine>, lines);
    const auto width = [](const QString& AText) { return int(AText.size()) * 6; };
    QCOMPARE(HeaderCaptionLines(col, QRect(10, 0, 80, 36), width, 13), lines);
}

void TestChartsAndTables::headerCaptionsPainted()
{
    WindowDriver d;
    d.control<QTabWidget>("PageControl")->setCurrentIndex(2);
    StringGrid* grid = d.grid("StrGridFirst");
    QCOMPARE(grid->rowHeight(0), 36);
    QHeaderView* header = grid->horizontalHeader();
    const QImage image = Grab(header);
    const QFontMetrics metrics(header->font());
    const auto width = [&metrics](const QString& AText) { return metrics.horizontalAdvance(AText); };
    for (int col = 0; col < 5; ++col) {
        const QRect cell(header->sectionViewportPosition(col), 0, header->sectionSize(col), header->height());
        int inside = 0;
        for (const THeaderLine& line : HeaderCaptionLines(col, cell, width, metrics.height()))
            inside += CountDark(image, QRect(line.TopLeft, QSize(width(line.Text), metrics.height())));
        // Text where the captions belong, and none in the cell's left and right margins.
        QVERIFY2(inside > 10, qPrintable(QString::number(col)));
        QCOMPARE(CountDark(image, QRect(cell.left() + 2, 2, 3, cell.height() - 4)), 0);
        QVERIFY(grid->cell(col, 0).isEmpty());
    }
}

void TestChartsAndTables::copySelectedRows()
{
    WindowDriver d;
    StringGrid* grid = d.grid("StrGridFirst");
    grid->selectRow(1);
    grid->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Year\tInitial deposit\tRegular deposits\tTotal interest\tTotal\n"
                            "2\t$1,000\t$200\t$107\t$1,307\n"));
}

QTEST_MAIN(TestChartsAndTables)
#include "tst_ChartsAndTables.moc"
