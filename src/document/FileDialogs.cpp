#include "document/FileDialogs.h"

#include "app/TFMain.h"
#include "controls/FormSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

QString DialogFolder(QStandardPaths::StandardLocation AKind, const QString& AFile)
{
    if (!AFile.isEmpty())
        return QFileInfo(AFile).absolutePath();
    const QString folder = QStandardPaths::writableLocation(AKind);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void ShowFileProblem(QWidget* AParent, const QString& AWhat, const QString& AProblem)
{
    QMessageBox box(QMessageBox::Warning, ProgramTitle, AWhat, QMessageBox::Ok, AParent);
    box.setInformativeText(AProblem);
    FixDialogSize(&box);
    box.exec();
}
