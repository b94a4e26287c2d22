#include "app/TFMain.h"

#include "controls/StringGrid.h"
#include "document/FileDialogs.h"
#include "report/Report.h"
#include "rules/EditRules.h"

#include <QDate>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// An input as its caption names it and its control shows it once left.
TReportLine InputLine(const QWidget* AControl, const QString& AValue)
{
    return {AControl->accessibleName() + u':', AValue};
}

QString PercentText(const Edit* ARate)
{
    return RateLeaveText(ARate->text()) + QStringLiteral(" %");
}

QVector<TReportLine> Totals(std::initializer_list<std::pair<const QLabel*, const QLabel*>> ALines)
{
    QVector<TReportLine> totals;
    for (const auto& [caption, value] : ALines)
        totals.append({caption->text(), value->text()});
    return totals;
}

QVector<QStringList> Rows(const StringGrid* AGrid)
{
    QVector<QStringList> rows;
    for (int row = 1; row < AGrid->rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < AGrid->colCount(); ++col)
            cells.append(AGrid->cell(col, row));
        rows.append(cells);
    }
    return rows;
}

TReportSide Side(const QLabel* AHeading, const StringGrid* AGrid, const ChartWidget* APie)
{
    TReportSide side;
    side.Heading = AHeading->text();
    side.HeadingColor = AHeading->palette().color(QPalette::WindowText);
    side.Captions = AGrid->columnCaptions();
    side.Rows = Rows(AGrid);
    side.Pie = APie;
    return side;
}

} // namespace

// The report of what the window shows: its inputs in the words of their captions, its totals, charts and
// year tables, for one side or both.
TReport TFMain::WindowReport() const
{
    TReport report;
    report.Title = PlanPath.isEmpty() ? ProgramTitle : QFileInfo(PlanPath).completeBaseName();
    report.Date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    report.BarGraph = Chart;
    TReportSide first = Side(lStats1, StrGridFirst, PieChartFirst);
    first.Inputs = {InputLine(TIntDep, MoneyLeaveText(TIntDep->text())),
                    InputLine(TRegDep, MoneyLeaveText(TRegDep->text())),
                    InputLine(CDefFreq, CDefFreq->currentText()),
                    InputLine(CcompFreq, CcompFreq->currentText()),
                    InputLine(TIntRate, PercentText(TIntRate)),
                    InputLine(seYears, QString::number(seYears->ValueInRange()))};
    if (chInflation->isChecked())
        first.Inputs.append(InputLine(TInflation, PercentText(TInflation)));
    first.Totals = Totals({{lInitialDep1, lInitialDep1val},
                           {lRegularDep1, lRegularDep1val},
                           {lTotalInt1, lTotalInt1val},
                           {lTotal1, lTotal1val}});
    report.Sides.append(first);
    if (!ComparisonMode())
        return report;
    // The alternative has inputs of its own; the comparison without inflation differs only as its heading says.
    TReportSide second = Side(lStats2, StrGridAlt, PieChartAlt);
    if (chAlternative->isChecked())
        second.Inputs = {InputLine(TAltdep, MoneyLeaveText(TAltdep->text())),
                         InputLine(CAltFreq, CAltFreq->currentText()), InputLine(TB, lStartLater->text())};
    second.Totals = Totals({{lInitialDep2, lInitialDep2val},
                            {lRegularDep2, lRegularDep2val},
                            {lTotalInt2, lTotalInt2val},
                            {lTotal2, lTotal2val}});
    report.Sides.append(second);
    return report;
}

void TFMain::FileExportClick()
{
    const TReport report = WindowReport();
    QFileDialog dialog(this, QStringLiteral("Export the report as PDF"),
                       DialogFolder(QStandardPaths::DocumentsLocation, PlanPath),
                       QStringLiteral("PDF documents (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(report.Title + QStringLiteral(".pdf"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (const QString problem = ExportReportPdf(report, path); !problem.isEmpty())
        ShowFileProblem(this, QStringLiteral("“%1” cannot be written.").arg(QFileInfo(path).fileName()), problem);
}

void TFMain::FilePrintClick()
{
    if (const QString problem = PrintReport(WindowReport(), this); !problem.isEmpty())
        ShowFileProblem(this, QStringLiteral("The report cannot be printed."), problem);
}
