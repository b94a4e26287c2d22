#include "report/PrintPlugin.h"

#include <QLibrary>
#include <QPrinterInfo>
#include <QTest>
#include <QWidget>

// The print plugin, loaded as the program loads it, on a system without any printer.
class TestPrintPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Windows' print dialog cannot take the PDF output QPrinter falls back to: the plugin must say so, not
    // return as if the user had cancelled.
    void noPrinterIsSaid()
    {
#ifndef Q_OS_WIN
        QSKIP("Qt's own print dialog prints to a PDF file without any printer");
#endif
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed");
        QLibrary plugin(QStringLiteral(PELVANTOR_PRINT_PLUGIN_PATH));
        const auto entry = reinterpret_cast<TPrintWithDialog>(plugin.resolve(PrintWithDialogEntry));
        QVERIFY2(entry, qPrintable(plugin.errorString()));
        QWidget parent;
        bool painted = false;
        const QString problem =
            entry(&parent, QStringLiteral("Plan"), QPageLayout(), [&](QPagedPaintDevice&) { painted = true; });
        QVERIFY2(problem.startsWith(QStringLiteral("no printer is installed")), qPrintable(problem));
        QVERIFY(!painted);
    }
};

QTEST_MAIN(TestPrintPlugin)
#include "tst_PrintPlugin.moc"
