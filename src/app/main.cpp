#include "app/style/VisualStyle.h"
#include "app/TFMain.h"
#include "hint/TFHint.h"

#include <QApplication>
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
        QMessageBox::warning(&mainWindow, QStringLiteral("Pelvantor"),
                             QStringLiteral("The visual style \"Cyan Dusk\" could not be applied; Pelvantor runs "
                                            "with the default look."));
    }
    return app.exec();
}
