// The print plugin's whole source: built into pelvantor_print, never into the program.
#include "report/PrintPlugin.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

extern "C" Q_DECL_EXPORT bool PelvantorPrintWithDialog(QWidget* AParent, const QString& ADocName,
                                                       const QPageLayout& ALayout,
                                                       const std::function<void(QPagedPaintDevice&)>& APaint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ALayout);
    printer.setDocName(ADocName);
    printer.setCreator(QStringLiteral("Pelvantor"));
    QPrintDialog dialog(&printer, AParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    APaint(printer);
    return true;
}

static_assert(std::is_same_v<decltype(&PelvantorPrintWithDialog), TPrintWithDialog>,
              "the program calls the entry through TPrintWithDialog");
