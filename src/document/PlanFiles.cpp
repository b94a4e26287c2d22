#include "app/TFMain.h"

#include "controls/FormSetup.h"
#include "document/FileDialogs.h"
#include "plan/PlanFile.h"
#include "rules/EditRules.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

namespace {

const QString PlanFilter = QStringLiteral("Pelvantor plans (*.%1)").arg(PlanFileExtension);

// A file's name as messages and the title show it.
QString ShownName(const QString& APath)
{
    return QFileInfo(APath).fileName();
}

QString PlanFolder(const QString& APlanPath)
{
    return DialogFolder(QStandardPaths::DocumentsLocation, APlanPath);
}

// The one local file a drag carries, if that is all it carries.
QString DraggedFile(const QMimeData* AData)
{
    const QList<QUrl> urls = AData->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

} // namespace

void TFMain::SetupDocument()
{
    StartUpPlan = PlanOfWindow();
    SavedPlan = StartUpPlan;
    auto* menu = new QMenu(LinkFile);
    const auto command = [this, menu](const QString& AText, const QKeySequence& AKeys, auto AHandler) {
        QAction* action = menu->addAction(AText);
        action->setShortcut(AKeys);
        // Known anywhere in the window, not only while the menu is open.
        addAction(action);
        connect(action, &QAction::triggered, this, AHandler);
        return action;
    };
    command(QStringLiteral("Open…"), QKeySequence(Qt::CTRL | Qt::Key_O), &TFMain::FileOpenClick);
    command(QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &TFMain::FileSaveClick);
    command(QStringLiteral("Save as…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &TFMain::FileSaveAsClick);
    menu->addSeparator();
    command(QStringLiteral("Export as PDF…"), QKeySequence(), &TFMain::FileExportClick);
    command(QStringLiteral("Print…"), QKeySequence(Qt::CTRL | Qt::Key_P), &TFMain::FilePrintClick);
    LinkFile->setMenu(menu);
    setAcceptDrops(true);
}

void TFMain::FileOpenClick()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open a plan"), PlanFolder(PlanPath),
                                     PlanFilter + QStringLiteral(";;All files (*)"));
    if (!path.isEmpty())
        OpenPlanFile(path);
}

bool TFMain::OpenPlanFile(const QString& APath)
{
    const TPlanReading reading = ReadPlanFile(APath, StartUpPlan);
    if (const QString* problem = std::get_if<QString>(&reading)) {
        ShowFileProblem(this, QStringLiteral("“%1” cannot be opened.").arg(ShownName(APath)), *problem);
        return false;
    }
    if (!MaySetPlanAside())
        return false;
    ApplyPlan(std::get<TPlan>(reading));
    PlanPath = QFileInfo(APath).absoluteFilePath();
    SavedPlan = PlanOfWindow();
    ShowPlanTitle();
    return true;
}

bool TFMain::FileSaveClick()
{
    return PlanPath.isEmpty() ? FileSaveAsClick() : SavePlanFile(PlanPath);
}

bool TFMain::FileSaveAsClick()
{
    QFileDialog dialog(this, QStringLiteral("Save the plan"), PlanFolder(PlanPath), PlanFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(PlanFileExtension);
    dialog.selectFile(PlanPath.isEmpty() ? QStringLiteral("Savings plan.%1").arg(PlanFileExtension)
                                         : ShownName(PlanPath));
    return dialog.exec() == QDialog::Accepted && SavePlanFile(dialog.selectedFiles().value(0));
}

bool TFMain::SavePlanFile(const QString& APath)
{
    CommitEdits();
    const TPlan plan = PlanOfWindow();
    if (const QString problem = WritePlanFile(APath, plan); !problem.isEmpty()) {
        ShowFileProblem(this, QStringLiteral("“%1” cannot be saved.").arg(ShownName(APath)), problem);
        return false;
    }
    PlanPath = QFileInfo(APath).absoluteFilePath();
    SavedPlan = plan;
    ShowPlanTitle();
    return true;
}

// True when nothing unsaved stands in the way: no plan file is open, it has no changes, or the user saved
// or let go of them; false when the user cancelled.
bool TFMain::MaySetPlanAside()
{
    if (PlanPath.isEmpty() || PlanOfWindow() == SavedPlan)
        return true;
    QMessageBox box(QMessageBox::Question, ProgramTitle,
                    QStringLiteral("Save the changes to “%1”?").arg(ShownName(PlanPath)),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(QStringLiteral("Without saving, the changes since it was last saved are lost."));
    box.setDefaultButton(QMessageBox::Save);
    FixDialogSize(&box);
    switch (box.exec()) {
    case QMessageBox::Save:
        return FileSaveClick();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

// "Pelvantor" alone until a plan file is open; then its name, marked while it has unsaved changes.
void TFMain::ShowPlanTitle()
{
    if (PlanPath.isEmpty()) {
        setWindowTitle(ProgramTitle);
        return;
    }
    // A literal "[*]" in the name would be taken for the place of the mark; doubled, it shows as it is.
    QString name = QFileInfo(PlanPath).completeBaseName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1[*] — %2").arg(name, ProgramTitle));
    setWindowModified(PlanOfWindow() != SavedPlan);
}

// A field still being typed in is left first, as if the focus moved on, so the plan holds what it will
// show; an emptied years box gets the number it reads.
void TFMain::CommitEdits()
{
    for (Edit* money : {TIntDep, TRegDep, TAltdep})
        if (money->text() != MoneyLeaveText(money->text()))
            TIntDepExit(money);
    for (Edit* rate : {TIntRate, TInflation})
        if (rate->text() != RateLeaveText(rate->text()))
            TIntRateExit(rate);
    if (seYears->text().trimmed().isEmpty())
        seYears->setValue(seYears->ValueInRange());
}

void TFMain::closeEvent(QCloseEvent* event)
{
    if (MaySetPlanAside())
        QWidget::closeEvent(event);
    else
        event->ignore();
}

void TFMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DraggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TFMain::dropEvent(QDropEvent* event)
{
    const QString path = DraggedFile(event->mimeData());
    event->acceptProposedAction();
    // Opened once the drop is over: a message or question would otherwise hold up the program it came from.
    QTimer::singleShot(0, this, [this, path] { OpenPlanFile(path); });
}
