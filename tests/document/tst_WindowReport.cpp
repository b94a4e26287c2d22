#include "PdfText.h"
#include "WindowDriver.h"

#include "report/Report.h"

#include <QTemporaryDir>

// The report is the window on paper: every total and every year of both sides, as the window shows them.
class TestWindowReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void reportHoldsTheWindowsFigures();
};

void TestWindowReport::reportHoldsTheWindowsFigures()
{
    WindowDriver d;
    d.control<QSpinBox>("seYears")->setValue(50);
    d.check("chInflation", true);
    d.check("chAlternative", true);
    d.control<QSlider>("TB")->setValue(3);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
    QCOMPARE(ExportReportPdf(d.window.WindowReport(), pdf), QString());
    const QString text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const char* side : {"1", "2"})
        for (const char* total : {"lInitialDep", "lRegularDep", "lTotalInt", "lTotal"}) {
            const QString caption = d.text(qPrintable(total + QLatin1String(side)));
            const QString value = d.text(qPrintable(total + QLatin1String(side) + QLatin1String("val")));
            QVERIFY2(text.contains(QRegularExpression(QRegularExpression::escape(caption) + QStringLiteral("\\s+") +
                                                      QRegularExpression::escape(value))),
                     qPrintable(caption + u' ' + value));
        }
    for (const char* grid : {"StrGridFirst", "StrGridAlt"})
        for (int year = 1; year <= 50; ++year)
            QVERIFY2(text.contains(LineOf(d.row(grid, year))), qPrintable(d.row(grid, year).join(u' ')));
}

QTEST_MAIN(TestWindowReport)
#include "tst_WindowReport.moc"
