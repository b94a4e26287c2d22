#pragma once

#include <QColor>
#include <QLocale>
#include <QMargins>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QVector>

class ChartWidget;
class QPagedPaintDevice;
class QWidget;

// A caption and its value as the window shows them: "Initial deposit:", "$1,000".
struct TReportLine
{
    QString Caption;
    QString Value;
};

// One strategy of the report: its inputs, totals, year table and pie, in the window's own words.
struct TReportSide
{
    QString Heading;             // "Your strategy (no inflation)", drawn in HeadingColor
    QColor HeadingColor;         // the side's colour in the window
    QVector<TReportLine> Inputs; // the side's inputs, as the window labels them
    QVector<TReportLine> Totals; // initial deposit, regular deposits, total interest, total savings
    QStringList Captions;        // the year table's column captions ("Year", "Initial deposit", …)
    QVector<QStringList> Rows;   // every year of the table, its cells as the window shows them
    const ChartWidget* Pie = nullptr;
};

// What a printed or PDF report holds: one side, or two when the window compares strategies.
struct TReport
{
    QString Title; // the plan's name, or the program's when no plan is open
    QString Date;  // already in the reader's form
    QVector<TReportSide> Sides;
    const ChartWidget* BarGraph = nullptr;
};

// Paints the report page by page into the device's printable area (a QPdfWriter or a QPrinter), the
// charts drawn by the chart layer at the page's scale; the charts' widgets are left as they are.
void PaintReport(const TReport& AReport, QPagedPaintDevice& ADevice);

// Letter where the locale measures in US units, A4 elsewhere (Britain's imperial units included).
QPageSize ReportPageSize(const QLocale& ALocale);

// The report's margins on every page, printed or PDF.
QMarginsF ReportMargins();

// Writes the report as a PDF at APath, in the default locale's page size. An existing file there is only
// replaced once the new one is complete. Returns an empty string when written, else the problem in the
// user's words.
QString ExportReportPdf(const TReport& AReport, const QString& APath);

// Shows the system's print dialog over AParent and prints the report if the user confirms; where there is
// no printer the dialog still offers printing to a PDF file. Returns an empty string when printed or
// cancelled, else why printing is not available, in the user's words.
QString PrintReport(const TReport& AReport, QWidget* AParent);
