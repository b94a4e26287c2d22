#pragma once

#include "report/Report.h"

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QSize>

class QPagedPaintDevice;

// Lays the report out from the top of the first page down and paints it as it goes: a block that does not
// fit in what is left of a page starts the next one, and a year table runs on over as many pages as it
// takes, its header row repeated on each. Lengths are in the device's pixels, reckoned from points, so
// the same report comes out alike on a 1200 dpi PDF and a 600 dpi printer.
class ReportPainter
{
public:
    explicit ReportPainter(QPagedPaintDevice& ADevice);

    void paint(const TReport& AReport);

private:
    double pt(double APoints) const { return APoints * m_unit; }
    QFont textFont(double APoints, bool ABold = false) const;
    double lineHeight(const QFont& AFont) const;
    double textWidth(const QFont& AFont, const QString& AText) const;
    double bottom() const;

    void beginPage();
    void nextPage();
    void needRoom(double AHeight);

    void paintTitle(const TReport& AReport);
    double linesHeight(int ACount) const;
    void paintLines(const QVector<TReportLine>& ALines, const QRectF& AColumn);
    void paintHeading(const QString& AText, const QColor& AColor, const QRectF& ARect);
    void paintSummaries(const QVector<TReportSide>& ASides);
    void paintCharts(const TReport& AReport);
    void paintChart(const ChartWidget& AChart, QSize AChartSize, const QRectF& ATarget);
    QVector<double> columnWidths(const TReportSide& ASide, const QFont& ABold, const QFont& APlain) const;
    double tableHeaderHeight() const;
    void paintTableHeader(const TReportSide& ASide, const QVector<double>& AWidths, bool AContinued);
    void paintTable(const TReportSide& ASide);

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    double m_unit = 1; // device pixels a point
    QRectF m_page;     // the printable area, in the painter's coordinates
    double m_y = 0;    // where the next block starts
    int m_pageNumber = 1;
    QString m_footer;
    QFont m_face;
};
