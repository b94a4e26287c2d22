#include "app/TFMain.h"

#include "help/TFHelp.h"

#include <QAction>
#include <QMenu>

void TFMain::SetupHelp()
{
    // Last in the status bar's menu, whatever the document commands before it, and apart from them.
    LinkFile->menu()->addSeparator();
    QAction* help = LinkFile->menu()->addAction(QStringLiteral("Help"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    // Known anywhere in the window, not only while the menu is open.
    addAction(help);
    connect(help, &QAction::triggered, this, &TFMain::HelpClick);
}

void TFMain::HelpClick()
{
    // Built when first asked for, so that start-up does not wait for the help's figures.
    if (!Help)
        Help = new TFHelp(MakerAddress, this);
    Help->ShowSection(HelpSection(focusWidget()));
}

// The help's section on the input that AFocus is or belongs to; none for a link or a button.
QString TFMain::HelpSection(const QWidget* AFocus) const
{
    const std::pair<const QWidget*, const char*> sections[] = {
        {TIntDep, "initial-deposit"},
        {TRegDep, "regular-deposit"},
        {CDefFreq, "deposit-frequency"},
        {CcompFreq, "compounding"},
        {TIntRate, "interest-rate"},
        {seYears, "years"},
        {chInflation, "inflation"},
        {pInflation, "inflation"},
        {chAlternative, "alternative"},
        {APanel, "alternative"},
        {chInflationCompare, "inflation-comparison"},
        {PageControl, "results"},
    };
    for (const auto& [control, section] : sections)
        if (AFocus && (control == AFocus || control->isAncestorOf(AFocus)))
            return QString::fromLatin1(section);
    return {};
}
