// The print plugin's whole source: built into pelvantor_print, never into the program.
#include "report/PrintPlugin.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

extern "C" Q_DECL_EXPORT QString PelvantorPrintWithDialog(QWidget* AParent, const QString& ADocName,
                                                          const QPageLayout& ALayout,
                                                          const std::function<void(QPagedPaintDevice&)>& APaint)
{
    QPrinter printer(QPrinter::HighResolution);
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // With no printer installed QPrinter writes PDF instead, which the system's own print dialog cannot
    // take: it would return at once as if cancelled, and Print… would seem to do nothing. (Qt's dialog
    // elsewhere offers printing to a PDF file itself.)
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return QStringLiteral("no printer is installed. "
                              "\u201cExport as PDF\u2026\u201d makes the same document as a file.");
#endif
    printer.setPageLayout(ALayout);
    printer.setDocName(ADocName);
    printer.setCreator(QStringLiteral("Pelvantor"));
    QPrintDialog dialog(&printer, AParent);
    if (dialog.exec() == QDialog::Accepted)
        APaint(printer);
    return QString();
}

static_assert(std::is_same_v<decltype(&PelvantorPrintWithDialog), TPrintWithDialog>,
              "the program calls the entry through TPrintWithDialog");
