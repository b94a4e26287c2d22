#include "report/PrintPlugin.h"
#include "report/Report.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

// The plugin's entry, the plugin loaded at the first call and kept: next to the program (a build, or the
// Windows installation), else where the installation puts it relative to the program.
TPrintWithDialog PrintPluginEntry(QString& AProblem)
{
#ifdef PELVANTOR_PRINT_PLUGIN
    static QLibrary plugin;
    if (!plugin.isLoaded()) {
        const QString programDir = QCoreApplication::applicationDirPath();
        const QString name = QStringLiteral(PELVANTOR_PRINT_PLUGIN);
        QString path = programDir + u'/' + name;
        if (!QFileInfo::exists(path))
            path = programDir + QStringLiteral("/" PELVANTOR_PRINT_PLUGIN_FOLDER "/") + name;
        if (!QFileInfo::exists(path)) {
            AProblem = QStringLiteral("the print module %1 is neither next to the program nor in %2.")
                           .arg(name, QFileInfo(path).absolutePath());
            return nullptr;
        }
        plugin.setFileName(path);
    }
    const auto entry = reinterpret_cast<TPrintWithDialog>(plugin.resolve(PrintWithDialogEntry));
    if (!entry)
        AProblem = plugin.errorString();
    return entry;
#else
    AProblem = QStringLiteral("this build of Pelvantor was made without printing; "
                              "\u201cExport as PDF\u2026\u201d makes the same document.");
    return nullptr;
#endif
}

} // namespace

QString PrintReport(const TReport& AReport, QWidget* AParent)
{
    QString problem;
    const TPrintWithDialog printWithDialog = PrintPluginEntry(problem);
    if (!printWithDialog)
        return QStringLiteral("Printing is not available: ") + problem;
    const QPageLayout layout(ReportPageSize(QLocale()), QPageLayout::Portrait, ReportMargins(),
                             QPageLayout::Millimeter);
    problem = printWithDialog(AParent, AReport.Title, layout,
                              [&AReport](QPagedPaintDevice& APrinter) { PaintReport(AReport, APrinter); });
    return problem.isEmpty() ? QString() : QStringLiteral("Printing is not available: ") + problem;
}
