#include "report/Report.h"

#include "report/ReportPainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

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
    const auto problem = [&APath](const QString& AReason) {
        return QStringLiteral("The report could not be saved as \u201c%1\u201d: %2")
            .arg(QFileInfo(APath).fileName(), AReason);
    };
    // Written beside the file and renamed over it once complete, so a failure leaves any file there whole.
    QSaveFile file(APath);
    if (!file.open(QIODevice::WriteOnly))
        return problem(file.errorString());
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
    // The PDF writer does not check what its device took, and a full disk can take part of a write without
    // an error: the rest is written again until the disk refuses it and says why.
    qint64 written = 0;
    while (written < pdf.size()) {
        const qint64 taken = file.write(pdf.constData() + written, pdf.size() - written);
        if (taken <= 0)
            return problem(file.errorString());
        written += taken;
    }
    if (!file.commit())
        return problem(file.errorString());
    return QString();
}
