#include "report/Report.h"

#include "files/WholeFile.h"
#include "report/ReportPainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>

void PaintReport(const TReport& AReport, QPagedPaintDevice& ADevice)
{
    ReportPainter(ADevice).paint(AReport);
}

QPageSize ReportPageSize(const QLocale& ALocale)
{
    return QPageSize(ALocale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4);
}

QMarginsF ReportMargins()
{
    return QMarginsF(18, 16, 18, 14);
}

QString ExportReportPdf(const TReport& AReport, const QString& APath)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(ReportPageSize(QLocale()), QPageLayout::Portrait, ReportMargins(),
                                         QPageLayout::Millimeter));
        writer.setTitle(AReport.Title);
        writer.setCreator(QStringLiteral("Pelvantor"));
        PaintReport(AReport, writer);
    }
    // The PDF writer does not check what its device took: it writes into memory, and the file is written
    // whole or not at all.
    const QString failure = WriteWholeFile(APath, pdf);
    if (failure.isEmpty())
        return QString();
    return QStringLiteral("The report could not be saved as \u201c%1\u201d: %2")
        .arg(QFileInfo(APath).fileName(), failure);
}
