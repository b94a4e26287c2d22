#include "app/TFMain.h"
#include "app/style/VisualStyle.h"
#include "hint/TFHint.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#ifdef Q_OS_WIN
#include <QDir>
#include <QFontDatabase>
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pelvantor"));
    QApplication::setDesktopFileName(QStringLiteral("io.example.Pelvantor"));
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("A compound-interest savings calculator."));
    arguments.addHelpOption();
    arguments.addPositionalArgument(QStringLiteral("plan"), QStringLiteral("A plan file to open."),
                                    QStringLiteral("[plan]"));
    arguments.process(app);
#ifdef Q_OS_WIN
    // The program brings the face its forms fall back to: Windows has no Liberation Sans.
    for (const QString& file : QDir(QStringLiteral(":/fonts")).entryList(QDir::Files))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
#endif
    const bool styled = ApplyVisualStyle(app);

    TFMain mainWindow;
    // Owned by the main window, so that on Wayland it is a popup placed relative to it.
    TFHint hintWindow(&mainWindow);
    FHint = &hintWindow;
    mainWindow.show();
    if (!styled) {
        QMessageBox::warning(&mainWindow, ProgramTitle,
                             QStringLiteral("The visual style \"Cyan Dusk\" could not be applied; Pelvantor runs "
                                            "with the default look."));
    }
    // Opened over the shown window, so a refusal has a window to stand on and the calculator stays.
    if (const QStringList plans = arguments.positionalArguments(); !plans.isEmpty())
        mainWindow.OpenPlanFile(plans.first());
    return app.exec();
}
