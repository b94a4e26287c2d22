#include "charts/BarSeries.h"
#include "charts/ChartLayout.h"
#include "charts/ChartWidget.h"
#include "charts/PieSeries.h"
#include "PdfText.h"
#include "report/Report.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Money(qint64 AValue)
{
    return u'$' + QLocale(QLocale::English, QLocale::UnitedStates).toString(AValue);
}

// AYears years of figures AScale times the first side's, so a cell of the wrong side or year is caught.
TReportSide Side(int AYears, int AScale, const ChartWidget* APie)
{
    TReportSide side{QStringLiteral("Strategy %1").arg(AScale), QColor(0, 128, 0), {}, {}, {}, {}, APie};
    side.Inputs = {{QStringLiteral("Initial deposit:"), Money(1000 * AScale)},
                   {QStringLiteral("Number of years:"), QString::number(AYears)}};
    side.Captions = {QStringLiteral("Year"), QStringLiteral("Initial deposit"),
                     QStringLiteral("Regular deposits"), QStringLiteral("Total interest"),
                     QStringLiteral("Total")};
    for (qint64 year = 1; year <= AYears; ++year) {
        const qint64 regular = 1200 * year * AScale;
        const qint64 interest = 37 * year * year * AScale;
        side.Rows.append({QString::number(year), Money(1000 * AScale), Money(regular), Money(interest),
                          Money(1000 * AScale + regular + interest)});
    }
    const QStringList& last = side.Rows.last();
    side.Totals = {{QStringLiteral("Initial deposit:"), last[1]},
                   {QStringLiteral("Regular deposits:"), last[2]},
                   {QStringLiteral("Total interest:"), last[3]},
                   {QStringLiteral("Total savings:"), last[4]}};
    return side;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFigureOnItsPage_data();
    void everyFigureOnItsPage();
    void pageSizeFollowsLocale_data();
    void pageSizeFollowsLocale();
    void failedExportSaysWhy_data();
    void failedExportSaysWhy();
};

void TestReport::everyFigureOnItsPage_data()
{
    QTest::addColumn<int>("sides");
    QTest::addColumn<int>("years");
    QTest::newRow("one side, one year") << 1 << 1;
    QTest::newRow("one side, fifty years: the table runs on") << 1 << 50;
    QTest::newRow("two sides, one year") << 2 << 1;
    QTest::newRow("two sides, fifty years: both tables run on") << 2 << 50;
}

// Every total beside its caption, every year's cells on one line, and on every page a table reaches, its
// header: one per table there. The window's charts keep their size and layout.
void TestReport::everyFigureOnItsPage()
{
    QFETCH(int, sides);
    QFETCH(int, years);
    ChartWidget bars;
    bars.resize(800, 360);
    BarSeries* series = bars.addBarSeries();
    QVector<ChartWidget*> pies;
    TReport report{QStringLiteral("Test plan"), QStringLiteral("December 10, 2026"), {}, &bars};
    for (int s = 1; s <= sides; ++s) {
        pies.append(new ChartWidget(&bars));
        pies.last()->resize(300, 250);
        PieSeries* pie = pies.last()->addPieSeries();
        for (int part = 1; part <= 3; ++part)
            pie->add(part * s, QStringLiteral("Part %1").arg(part));
        report.Sides.append(Side(years, s, pies.last()));
    }
    for (int year = 1; year <= years; ++year)
        series->add(year * 100, QString::number(year));
    const QRectF plotBefore = bars.layout().Plot;
    const QRectF faceBefore = pies.first()->layout().Pie.Face;

    // Letter, the shorter page: fifty years of rows take more than one page in any common face.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const QString problem = ExportReportPdf(report, pdf);
    QLocale::setDefault(before);
    QCOMPARE(problem, QString());

    QCOMPARE(bars.size(), QSize(800, 360));
    QCOMPARE(bars.description().Size, QSize(800, 360));
    QCOMPARE(bars.layout().Plot, plotBefore);
    QCOMPARE(pies.first()->size(), QSize(300, 250));
    QCOMPARE(pies.first()->layout().Pie.Face, faceBefore);
    // pdffonts: a line a font after two of heading, its "emb" the fifth word from the end.
    const QStringList fonts = Run(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) {
        const QStringList words = font.split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(words.value(words.size() - 5) == u"yes",
                 qPrintable(QStringLiteral("not embedded: ") + font));
    }

    QStringList pages;
    for (int page = 1; page <= PdfInfo(pdf, QStringLiteral("Pages")).toInt(); ++page)
        pages.append(PageText(pdf, page));
    const QRegularExpression header = LineOf(report.Sides.first().Captions);
    QVector<int> tablesOnPage(pages.size());
    for (const TReportSide& side : report.Sides) {
        for (const TReportLine& total : side.Totals)
            QVERIFY2(pages.first().contains(QRegularExpression(
                         QRegularExpression::escape(total.Caption) + QStringLiteral("\\s+") +
                         QRegularExpression::escape(total.Value) + QStringLiteral("(\\s|$)"))),
                     qPrintable(side.Heading + u' ' + total.Caption + u' ' + total.Value));
        QSet<int> reached;
        for (const QStringList& row : side.Rows) {
            int page = 0;
            while (page < pages.size() && !pages[page].contains(LineOf(row)))
                ++page;
            QVERIFY2(page < pages.size(), qPrintable(side.Heading + QStringLiteral(": ") + row.join(u' ')));
            reached.insert(page);
        }
        for (int page : reached)
            ++tablesOnPage[page];
        QVERIFY2(years < 50 || reached.size() > 1, "a fifty-year table fits on one page: nothing runs on");
    }
    for (int page = 0; page < pages.size(); ++page)
        QVERIFY2(int(pages[page].count(header)) >= tablesOnPage[page], qPrintable(QString::number(page + 1)));
}

void TestReport::pageSizeFollowsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pageSize");
    QTest::newRow("United States: Letter") << QLocale(QLocale::English, QLocale::UnitedStates) << "letter";
    QTest::newRow("Germany: A4") << QLocale(QLocale::German, QLocale::Germany) << "A4";
    QTest::newRow("Britain, imperial yet A4") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "A4";
}

void TestReport::pageSizeFollowsLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, pageSize);
    const QLocale before;
    QLocale::setDefault(locale);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const QString problem = ExportReportPdf(TReport{QStringLiteral("Plan"), {}, {Side(1, 1, nullptr)}}, pdf);
    QLocale::setDefault(before);
    QCOMPARE(problem, QString());
    QVERIFY2(PdfInfo(pdf, QStringLiteral("Page size")).endsWith(u'(' + pageSize + u')'),
             qPrintable(PdfInfo(pdf, QStringLiteral("Page size"))));
}

void TestReport::failedExportSaysWhy_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder not there") << "missing/report.pdf";
    QTest::newRow("a folder by that name") << "report.pdf";
}

// A message naming the file, and whatever stood at the path left as it was.
void TestReport::failedExportSaysWhy()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("report.pdf/inside"));
    const QString problem =
        ExportReportPdf(TReport{QStringLiteral("Plan"), {}, {Side(1, 1, nullptr)}}, dir.filePath(path));
    QVERIFY2(problem.contains(QStringLiteral("report.pdf")), qPrintable(problem));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("report.pdf/inside"))).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("report.pdf")});
}

QTEST_MAIN(TestReport)
#include "tst_Report.moc"
