#include "charts/BarSeries.h"
#include "charts/ChartLayout.h"
#include "charts/PieSeries.h"
#include "charts/ValueFormat.h"

#include <QTest>
#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A bar chart of the given series (stack group, values), all with the given marks, laid out at the size
// given.
struct TBarChart
{
    TBarChart(const QVector<TBarSeriesData>& ASeries, QSize ASize = {800, 360}, const BarMarks& AMarks = {})
    {
        description.Size = ASize;
        for (const TBarSeriesData& data : ASeries) {
            auto series = std::make_unique<BarSeries>();
            series->setStackGroup(data.Group);
            series->setLegendTitle(QStringLiteral("Series of group %1").arg(data.Group));
            series->setMarks(AMarks);
            for (double value : data.Values)
                series->add(value, QString::number(series->count() + 1));
            description.Series.push_back(std::move(series));
        }
        layout = ComputeChartLayout(description);
    }
    QRectF segment(int ASeries, int APoint) const
    {
        for (const TBarSegment& s : layout.Bars)
            if (s.Series == ASeries && s.Point == APoint)
                return s.Rect;
        return {};
    }
    QRectF bounds() const { return QRectF(QPointF(0, 0), QSizeF(description.Size)); }

    TChartDescription description;
    TChartLayout layout;
};

QVector<double> Years(int ACount, double AValue)
{
    return QVector<double>(ACount, AValue);
}

} // namespace

class TestChartLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void niceTicks_data();
    void niceTicks();
    void valueFormat_data();
    void valueFormat();
    void calcPosPointFindsEveryBar_data();
    void calcPosPointFindsEveryBar();
    void stacking();
    void legendWrapsInsideTheChart();
    void marksStayInsideAndReadable_data();
    void marksStayInsideAndReadable();
    void pieSlices_data();
    void pieSlices();
};

void TestChartLayout::niceTicks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("maxTicks");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");

    QTest::newRow("default savings") << 0.0 << 2887.0 << 6 << 0.0 << 3000.0 << 500.0;
    QTest::newRow("a million") << 0.0 << 1e6 << 5 << 0.0 << 1e6 << 2e5;
    QTest::newRow("all zero") << 0.0 << 0.0 << 5 << 0.0 << 1.0 << 0.2;
    QTest::newRow("negative minimum") << -250.0 << 1000.0 << 5 << -500.0 << 1000.0 << 500.0;
    QTest::newRow("infinity and NaN count as zero") << NaN << Inf << 5 << 0.0 << 1.0 << 0.2;
    QTest::newRow("no room for ticks") << 0.0 << 2887.0 << 0 << 0.0 << 5000.0 << 5000.0;
    QTest::newRow("near the double limit") << 0.0 << 1.7e308 << 5 << 0.0 << 1e300 << 2e299;
}

void TestChartLayout::niceTicks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, maxTicks);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    const TAxisTicks ticks = NiceTicks(low, high, maxTicks);
    QCOMPARE(ticks.Minimum, minimum);
    QCOMPARE(ticks.Maximum, maximum);
    QCOMPARE(ticks.Step, step);
    const QVector<double> values = ticks.Values();
    QCOMPARE(values.first(), minimum);
    QCOMPARE(values.last(), maximum);
}

void TestChartLayout::valueFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("text");

    const QString axis = QStringLiteral(" $#,##0.###");
    QTest::newRow("whole tick") << 2500.0 << axis << " $2,500";
    QTest::newRow("decimals only where the tick has them") << 0.125 << axis << " $0.125";
    QTest::newRow("trailing zeros dropped") << 0.5 << axis << " $0.5";
    QTest::newRow("millions grouped") << 1234567.0 << axis << " $1,234,567";
    QTest::newRow("minus after the leading blank") << -1000.0 << axis << " -$1,000";
    QTest::newRow("rounds to zero without a sign") << -0.0001 << axis << " $0";
    QTest::newRow("pie value") << 1000.0 << "$#,##0.###"
                               << "$1,000";
    QTest::newRow("mark default") << 1234.0 << "#,##0.###"
                                  << "1,234";
    QTest::newRow("beyond 15 digits") << 1.5e20 << "#,##0.###"
                                      << "1.5E+20";
    QTest::newRow("64-bit limit") << 9.223372036854775807e18 << "#,##0.###"
                                  << "9.22337203685478E+18";
    QTest::newRow("infinity") << Inf << "#,##0.###"
                              << "INF";
    QTest::newRow("minus infinity") << -Inf << "#,##0.###"
                                    << "-INF";
    QTest::newRow("not a number") << NaN << axis << "NAN";
}

void TestChartLayout::valueFormat()
{
    QFETCH(double, value);
    QFETCH(QString, picture);
    QFETCH(QString, text);
    QCOMPARE(FormatChartValue(value, picture), text);
}

void TestChartLayout::calcPosPointFindsEveryBar_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("twoGroups");

    QTest::newRow("1 year, one side") << 1 << false;
    QTest::newRow("10 years, one side") << 10 << false;
    QTest::newRow("10 years, both sides") << 10 << true;
    QTest::newRow("50 years, both sides") << 50 << true;
}

// The pixel at the middle of each year's bars reads back as that year's x, and the value axis reads its
// ends at the plot's edges: what the hover window relies on.
void TestChartLayout::calcPosPointFindsEveryBar()
{
    QFETCH(int, points);
    QFETCH(bool, twoGroups);
    QVector<TBarSeriesData> series{{0, Years(points, 100)}};
    if (twoGroups)
        series.append({1, Years(points, 80)});
    const TBarChart bars(series);
    for (int x = 0; x < points; ++x) {
        const QRectF first = bars.segment(0, x);
        const double middle =
            twoGroups ? (first.left() + bars.segment(1, x).right()) / 2 : first.center().x();
        QVERIFY2(std::abs(bars.layout.BottomAxis.Scale.toValue(int(middle)) - x) < 0.05,
                 qPrintable(QString::number(x)));
    }
    const QRectF plot = bars.layout.Plot;
    const AxisScale& value = bars.layout.LeftAxis.Scale;
    QCOMPARE(value.toValue(int(plot.bottom())), value.minimum());
    QCOMPARE(value.toValue(int(plot.top())), value.maximum());
}

void TestChartLayout::stacking()
{
    // Group 0: 100 on 0 on -50 ... in list order; group 1 holds no points yet.
    const TBarChart single({{0, {100, 100}}, {0, {0, 0}}, {0, {50, -50}}, {1, {}}});
    const QRectF base = single.segment(0, 0);
    QVERIFY(single.segment(1, 0).isEmpty());
    QCOMPARE(single.segment(1, 0).bottom(), base.top()); // a zero keeps its place on the stack
    QCOMPARE(single.segment(2, 0).bottom(), base.top()); // and what follows stands on it
    QCOMPARE(single.segment(2, 1).top(),
             single.segment(0, 1).bottom()); // a negative hangs below the base line
    QVERIFY(single.layout.LeftAxis.Scale.minimum() < 0);
    // With the second group empty, the stack stands centred on its x.
    QVERIFY(std::abs(single.layout.BottomAxis.Scale.toValue(int(base.center().x()))) < 0.05);

    const TBarChart both(QVector<TBarSeriesData>{{0, {100}}, {1, {80}}});
    QVERIFY(both.segment(1, 0).left() >= both.segment(0, 0).right()); // beside, not over it
    QCOMPARE(both.segment(1, 0).bottom(), both.segment(0, 0).bottom());
}

void TestChartLayout::legendWrapsInsideTheChart()
{
    const TBarChart bars({{0, {1}}, {0, {1}}, {0, {1}}, {1, {1}}, {1, {1}}, {1, {1}}}, {300, 360});
    const QVector<TLegendEntry>& entries = bars.layout.Legend.Entries;
    QCOMPARE(entries.size(), 6);
    QVERIFY(entries.last().TextRect.top() > entries.first().TextRect.top());
    for (int i = 0; i < entries.size(); ++i) {
        QVERIFY(bars.bounds().contains(entries[i].TextRect));
        for (int j = i + 1; j < entries.size(); ++j)
            QVERIFY(!entries[i].TextRect.intersects(entries[j].TextRect));
    }
    QVERIFY(bars.layout.Plot.top() > bars.layout.Legend.Bottom);
}

void TestChartLayout::marksStayInsideAndReadable_data()
{
    QTest::addColumn<QVector<double>>("values");

    QTest::newRow("ten years") << QVector<double>{50, 107, 173, 247, 329, 420, 521, 632, 754, 887};
    QTest::newRow("a pasted huge amount") << QVector<double>{9.2e18};
    QTest::newRow("infinity") << QVector<double>{Inf};
    QTest::newRow("crowded: every year keeps its mark") << Years(50, 1000);
}

void TestChartLayout::marksStayInsideAndReadable()
{
    QFETCH(QVector<double>, values);
    BarMarks marks;
    marks.visible = true;
    marks.arrowLength = 25;
    const TBarChart bars({{0, values}}, {500, 360}, marks);
    const QVector<TMarkGeometry>& shown = bars.layout.Marks;
    QCOMPARE(shown.size(), values.size());
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(shown[i].Point, i); // drawn in point order, a later mark over an earlier one
        QVERIFY(bars.bounds().contains(shown[i].Box));
        QVERIFY(shown[i].Box.top() >= bars.layout.Legend.Bottom);
        QVERIFY(!shown[i].Text.isEmpty());
    }
}

void TestChartLayout::pieSlices_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QVector<double>>("spans");

    QTest::newRow("three parts") << QVector<double>{1000, 1000, 2000} << QVector<double>{90, 90, 180};
    QTest::newRow("one part is a full disc") << QVector<double>{1000} << QVector<double>{360};
    QTest::newRow("zero, negative and NaN get no slice")
        << QVector<double>{0, -5, NaN, 10} << QVector<double>{360};
    QTest::newRow("nothing to share") << QVector<double>{0, -1} << QVector<double>{};
    QTest::newRow("largest doubles") << QVector<double>{1.7e308, 1.7e308} << QVector<double>{180, 180};
}

void TestChartLayout::pieSlices()
{
    QFETCH(QVector<double>, values);
    QFETCH(QVector<double>, spans);
    TChartDescription chart;
    chart.Size = QSize(400, 360);
    chart.Legend.Title = QStringLiteral("Your strategy");
    auto pie = std::make_unique<PieSeries>();
    for (double value : values)
        pie->add(value, QStringLiteral("Part"), Qt::red);
    chart.Series.push_back(std::move(pie));
    const TChartLayout layout = ComputeChartLayout(chart);
    QVERIFY(layout.IsPie);
    QVERIFY(!layout.Legend.TitleRect.isEmpty());
    QCOMPARE(layout.Pie.Slices.size(), spans.size());
    QCOMPARE(layout.Marks.size(), spans.size());
    double start = 0;
    for (int i = 0; i < spans.size(); ++i) {
        QCOMPARE(layout.Pie.Slices[i].StartAngle, start);
        QCOMPARE(layout.Pie.Slices[i].SpanAngle, spans[i]);
        start += spans[i];
    }
    QVERIFY(layout.Pie.Face.top() >= layout.Legend.Bottom);
}

QTEST_MAIN(TestChartLayout)
#include "tst_ChartLayout.moc"
