#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// Printing lives in a plugin of its own (pelvantor_print), loaded at the first print, so that the program
// starts without Qt Print Support. Its one entry, resolved by this name: shows the system's print dialog
// over AParent for a printer set to ALayout and, once the user confirms, hands the printer to APaint.
// Returns what kept it from printing, to follow "Printing is not available: "; empty once it printed or
// when the user cancelled.
using TPrintWithDialog = QString (*)(QWidget* AParent, const QString& ADocName, const QPageLayout& ALayout,
                                     const std::function<void(QPagedPaintDevice&)>& APaint);
inline constexpr char PrintWithDialogEntry[] = "PelvantorPrintWithDialog";
