#include "app/TFMain.h"

#include "access/AlertAccessible.h"
#include "access/AnnouncementAccessible.h"
#include "access/ChartAccessible.h"
#include "access/ComboAccessible.h"
#include "access/DocumentAccessible.h"
#include "access/EditAccessible.h"
#include "access/FigureAccessible.h"
#include "access/FormAccessible.h"
#include "access/LinkAccessible.h"
#include "access/MenuItemAccessible.h"
#include "access/ScreenReaderEvents.h"
#include "access/StatusAccessible.h"
#include "app/LayoutRules.h"
#include "controls/BalloonNotice.h"
#include "controls/ControlAnnouncements.h"
#include "controls/FormSetup.h"
#include "controls/StringGrid.h"

#include <QDir>
#include <QImageReader>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>

namespace {
constexpr int FormTextHeight = 13;
// An outer size of 485 × 590 less a common frame (its borders and a 31-pixel title bar). Held as a client
// size, so a thin frame or none never makes the default window grow.
constexpr int CommonTitleBarHeight = 31;
const QSize MinimumClientSize(485 - 2 * CommonFrameBorder, 590 - CommonFrameBorder - CommonTitleBarHeight);

// The icon at every size the build rendered it in, read as PNG outright: an SVG renderer, or a look through
// every image format plugin for one that knows the file, would be loaded at every start.
QIcon WindowIcon()
{
    const QDir folder(QStringLiteral(":/icons/window"));
    QIcon icon;
    // Handed to the window system smallest first: the larger the picture, the larger its file.
    for (const QString& file : folder.entryList(QDir::Files, QDir::Size | QDir::Reversed)) {
        QImageReader reader(folder.filePath(file), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
} // namespace

TFMain::TFMain(QWidget* parent) : QWidget(parent)
{
    // The resources live in a static library, where nothing else would keep them linked in.
    Q_INIT_RESOURCE(pelvantor);
    // Before the form: a screen reader may ask for a control's interface as soon as the control exists.
    for (auto factory : {&FormAccessible, &EditAccessible::create, &ComboAccessible::create,
                         &ChartAccessible::create, &LinkAccessible::create, &StatusAccessible::create,
                         &FigureAccessible::create, &AlertAccessible::create, &MenuItemAccessible::create,
                         &DocumentAccessible::create})
        QAccessible::installFactory(factory);
    ControlAnnouncements() = {&AnnouncementAccessible::announceFrom, &AlertAccessible::announceShown};
    InstallScreenReaderEvents();
    setFont(FormFont(FormTextHeight));
    setupUi(this);
    FinishForm(this);
    setWindowIcon(WindowIcon());
    setMinimumSize(MinimumClientSize);
    BalloonHint = new BalloonNotice(this);
    SetupCharts();
    SetupResultsAccessibility();
    SetupYearTables();
    FormCreate();
    ConnectHandlers();
    SetupDocument();
    SetupChartMenus();
    SetupHelp();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    TIntDep->setFocus();
}

TFMain::~TFMain() = default;

void TFMain::ConnectHandlers()
{
    for (Edit* edit : {TIntDep, TRegDep, TAltdep, TIntRate, TInflation})
        connect(edit, &Edit::change, this, &TFMain::TIntRateChange);
    ConnectInputHandlers();
    connect(PageControl, &QTabWidget::currentChanged, this, &TFMain::PageControlChange);
    connect(LinkLabel, &QLabel::linkActivated, this, &TFMain::LinkLabelLinkClick);
    connect(LinkGoal, &QLabel::linkActivated, this, &TFMain::LinkGoalLinkClick);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, this,
            &TFMain::LinkGoalLinkClick);
    connect(chMarks, &QCheckBox::toggled, this, &TFMain::chMarksClick);
    connect(Chart, &ChartWidget::mouseMoved, this, &TFMain::ChartMouseMove);
    connect(Chart, &ChartWidget::mouseLeft, this, &TFMain::ChartMouseLeave);
    for (StringGrid* grid : {StrGridFirst, StrGridAlt})
        connect(grid, &StringGrid::drawCell, this, &TFMain::StrGridFirstDrawCell);
}

bool TFMain::ComparisonMode() const
{
    return chAlternative->isChecked() || chInflationCompare->isChecked();
}

void TFMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown by the program, not restored by the window manager after being minimised.
    if (!event->spontaneous())
        FormShow();
}

void TFMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TFMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormMouseActivate();
    // The hover window floats above every other window: it goes when this one is no longer the user's.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        HideYearSummary();
}

// Minimised, closed or hidden: the hover window goes with it.
void TFMain::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    HideYearSummary();
}
