#pragma once

#include "plan/Plan.h"
#include "ui_TFMain.h"

#include <QWidget>
#include <cstdint>
#include <optional>

class BalloonNotice;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class PausedAnnouncement;
class BarSeries;
class PieSeries;
class StringGrid;
class TFHelp;
struct TEditResult;
struct TReport;
struct TSideTitles;
struct TStrategyInputs;
enum class TGoalChange;

// The program's name, which its window and its messages are titled with.
inline const QString ProgramTitle = QStringLiteral("Pelvantor");
// The maker's web page, which the status bar's link and the help open.
inline const QString MakerAddress = QStringLiteral("https://www.pelvantor.example");

// The main window: the controls of its form (named as in the form), the calculation fields, and the
// handlers. Each handler is defined in the folder of the subsystem it belongs to and applies a pure
// function that lives next to it.
class TFMain : public QWidget, private Ui::TFMain
{
    Q_OBJECT

public:
    explicit TFMain(QWidget* parent = nullptr);
    ~TFMain() override;

    // The user's side in Series1..Series3 and the second side in Series4..Series6, by list index.
    BarSeries* BarSeriesAt(int AIndex) const;

    // Results: the recalculation driver and what it writes.
    void Recalculate();
    void ComputeStrategy(bool AAlternative, bool ASubAnnual, std::int64_t APeriods, std::int64_t AStartLater,
                         std::int64_t AInitial, std::int64_t ARegular, long double AInflation);
    // What ComputeStrategy hands the calculation, read from the controls.
    TStrategyInputs StrategyInputs(bool AAlternative, bool ASubAnnual, std::int64_t APeriods,
                                   std::int64_t AStartLater, std::int64_t AInitial, std::int64_t ARegular,
                                   long double AInflation) const;
    // The user's side exactly as Recalculate computes it.
    TStrategyInputs UserStrategy() const;
    // The inflation rate the calculation uses: 0 unless adjusting for inflation.
    long double InflationRate() const;
    void FillGridRow(StringGrid* Grid, int ARow, long double AInitial, long double ARegular, long double AInterest);

    // Compounding codes from the texts of the compounding lists; an unknown text keeps the code in force.
    void ReadCompoundFrequency();
    void ReadAltCompoundFrequency();

    // Layout of the window.
    void ArrangeAlternativeLayout();
    void FormResize();
    void FitGridColumns(StringGrid* Grid);

    // The hover summary over the bar graph.
    void ChartMouseMove(const QPoint& APosition);
    void ChartMouseLeave();
    void ShowYearSummary(int AYears);

    // Plan files: the window's inputs as a plan, and a plan applied through the window's own handlers, as
    // if typed and chosen.
    TPlan PlanOfWindow() const;
    void ApplyPlan(const TPlan& APlan);
    // Opens the plan file at APath once unsaved changes to the plan open now are saved or let go; false
    // when the user cancelled, or the file was refused with a message and the window left as it was.
    bool OpenPlanFile(const QString& APath);
    // Saves the window's plan to APath, the field being typed in left first; false, with a message, when it
    // cannot be written. APath is the plan file open in the window from then on.
    bool SavePlanFile(const QString& APath);
    // The printed and PDF report of what the window shows.
    TReport WindowReport() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void SetupCharts();
    void chMarksClick();
    void SetupYearTables();
    void StrGridFirstDrawCell(QPainter* Canvas, int ACol, int ARow, const QRect& Rect);
    void ConnectHandlers();
    void TIntRateChange();
    void PageControlChange();
    void LinkLabelLinkClick(const QString& ALink);
    // Reaching a goal: the dialog, and its answer written into the field it changes.
    void LinkGoalLinkClick();
    void ApplyGoal(TGoalChange AChange, std::int64_t AValue);
    void FormMouseActivate();
    bool ComparisonMode() const;

    // Input controls: the money and rate fields, the frequency lists, the years and start-later controls
    // and the option boxes.
    void ConnectInputHandlers();
    void TIntDepKeyPress(Edit* Sender, QChar Key);
    void TIntDepKeyDown(Edit* Sender);
    void TIntDepExit(Edit* Sender);
    void TIntRateKeyPress(Edit* Sender, QChar Key);
    void TIntRateKeyDown(Edit* Sender);
    void TIntRateExit(Edit* Sender);
    void ApplyMoneyEdit(Edit* Sender, const std::optional<TEditResult>& AEdit);
    void SetAmount(Edit* AField, std::int64_t AAmount);
    void CDefFreqChange();
    void OfferCompounding(const QStringList& AOffer);
    void OfferEveryCompounding();
    void CcompFreqChange();
    void CAltFreqChange();
    void seYearsChange();
    void TBChange();
    void chInflationClick();
    void chAlternativeClick();
    void chInflationCompareClick();
    void WriteTitles(int AFirstSeries, const TSideTitles& ATitles, QLabel* AHeading);
    void WriteSummary(int AFirstSeries, QLabel* AInitial, QLabel* ARegular, QLabel* AInterest, QLabel* ATotal);
    void FitTotalsPanels();
    void HideYearSummary();
    void RefreshYearSummary();
    void FollowCursor();
    void SetupResultsAccessibility();
    void AnnounceResults();
    QString TotalsText() const;

    // The window's plan kept, printed and shared: the file menu, the title, the charts' images.
    void SetupDocument();
    void SetupChartMenus();
    void FileOpenClick();
    bool FileSaveClick();
    bool FileSaveAsClick();
    void FileExportClick();
    void FilePrintClick();
    bool MaySetPlanAside();
    void ShowPlanTitle();
    void CommitEdits();
    void LeaveContinuous();
    void ChooseDeposits(int AItem);
    void ChooseCompounding(const QString& AText);
    void ChartMenuRequested(ChartWidget* AChart, const QPoint& APosition);

    // The help: F1 anywhere in the window and the menu's last command, opened at the section of the input
    // that has the focus.
    void SetupHelp();
    void HelpClick();
    QString HelpSection(const QWidget* AFocus) const;

    // The year the hover summary shows; 0 while it shows none.
    double PrevXVal = 0;
    // The regular deposit as last typed, to come back to after continuous compounding.
    QString PrevRegularDep;

public:
    // Calculation fields: the deposits and frequency codes the last recalculation used.
    std::int64_t InitialDep = 0;
    std::int64_t RegularDep = 0;
    std::int64_t k = 1;
    std::int64_t f = 1;
    std::int64_t fa = 1;
    bool Month = false;
    bool AMonth = false;

private:
    BarSeries* Series1 = nullptr;
    BarSeries* Series2 = nullptr;
    BarSeries* Series3 = nullptr;
    BarSeries* Series4 = nullptr;
    BarSeries* Series5 = nullptr;
    BarSeries* Series6 = nullptr;
    PieSeries* Series7 = nullptr;
    PieSeries* PieSeries1 = nullptr;
    BalloonNotice* BalloonHint = nullptr;
    PausedAnnouncement* TotalsAnnouncement = nullptr;
    // Made when first opened.
    TFHelp* Help = nullptr;
    QString PlanPath;  // the plan file open in the window; empty while there is none
    TPlan SavedPlan;   // the plan as it was last opened or saved
    TPlan StartUpPlan; // the window as it starts: what a key missing from a plan file stands for
};
