#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// What poppler's tools read from a PDF: its text as pdftotext lays it out, and the fields of pdfinfo.

inline QString Run(const QString& AProgram, const QStringList& AArguments)
{
    QProcess process;
    process.start(AProgram, AArguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("%s did not run (poppler-utils installed?)", qPrintable(AProgram));
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PageText(const QString& APdf, int APage)
{
    const QString page = QString::number(APage);
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), page,
                                             QStringLiteral("-l"), page, APdf, QStringLiteral("-")});
}

// A line holding exactly these texts in this order, apart by spaces only.
inline QRegularExpression LineOf(const QStringList& ATexts)
{
    QStringList escaped;
    for (const QString& text : ATexts)
        escaped.append(QRegularExpression::escape(text));
    return QRegularExpression(QStringLiteral("^\\s*") + escaped.join(QStringLiteral("\\s+")) +
                                  QStringLiteral("\\s*$"),
                              QRegularExpression::MultilineOption);
}

inline QString PdfInfo(const QString& APdf, const QString& AField)
{
    const QRegularExpression field(u'^' + AField + QStringLiteral(":\\s*(.*)$"),
                                   QRegularExpression::MultilineOption);
    return field.match(Run(QStringLiteral("pdfinfo"), {APdf})).captured(1).trimmed();
}
