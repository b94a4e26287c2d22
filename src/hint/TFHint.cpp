#include "hint/TFHint.h"

#include "controls/FormSetup.h"
#include "controls/ToolTipMover.h"
#include "hint/HoverRules.h"
#include "rules/MoneyText.h"

TFHint* FHint = nullptr;

namespace {

constexpr int HintTextHeight = 11;
constexpr double Opacity = 220.0 / 255.0;

QString AfterYearsCaption(int AYears)
{
    return QStringLiteral("After %1 year%2").arg(AYears).arg(AYears > 1 ? QStringLiteral("s") : QString());
}

// A side's three amounts and their total, added in extended precision.
void WriteSide(QLabel* AInitial, QLabel* ARegular, QLabel* AInterest, QLabel* ATotal,
               long double AInitialDeposit, long double ARegularDeposits, long double ATotalInterest)
{
    AInitial->setText(CurrencyText(AInitialDeposit));
    ARegular->setText(CurrencyText(ARegularDeposits));
    AInterest->setText(CurrencyText(ATotalInterest));
    ATotal->setText(CurrencyText((AInitialDeposit + ARegularDeposits) + ATotalInterest));
}

QVector<int> WidthsOf(std::initializer_list<const QLabel*> ALabels)
{
    QVector<int> widths;
    for (const QLabel* label : ALabels)
        widths.append(label->sizeHint().width());
    return widths;
}

} // namespace

TFHint::TFHint(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_mover(new ToolTipMover(this))
{
    setFont(FormFont(HintTextHeight));
    setupUi(this);
    FinishForm(this);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(Opacity);
    // Plain white with its own text colour whatever the visual style; the panel's one-pixel border line is
    // white too, so it shows as the grid's margin. Qt paints every widget through a back buffer already.
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
}

TFHint::~TFHint()
{
    if (FHint == this)
        FHint = nullptr;
}

void TFHint::SetParams(int AYears, long double AInitialDeposit, long double ARegularDeposits,
                       long double ATotalInterest, long double AAltInitialDeposit,
                       long double AAltRegularDeposits, long double AAltTotalInterest)
{
    lAfter->setText(AfterYearsCaption(AYears));
    WriteSide(lInit1, lRegular1, lTotalInt1, lTotal1, AInitialDeposit, ARegularDeposits, ATotalInterest);
    const bool secondSide = AAltInitialDeposit != NoSecondSide;
    for (QLabel* label : {lAlternative, lInit2, lRegular2, lTotalInt2, lTotal2})
        label->setVisible(secondSide);
    if (secondSide)
        WriteSide(lInit2, lRegular2, lTotalInt2, lTotal2, AAltInitialDeposit, AAltRegularDeposits,
                  AAltTotalInterest);

    const THintWidths widths = HintWidths(
        GPGrid->columnMinimumWidth(0), WidthsOf({lYourStrategy, lInit1, lRegular1, lTotalInt1, lTotal1}),
        secondSide ? WidthsOf({lAlternative, lInit2, lRegular2, lTotalInt2, lTotal2}) : QVector<int>());
    GPGrid->setColumnMinimumWidth(1, widths.Column1);
    GPGrid->setColumnMinimumWidth(2, widths.Column2);
    resize(widths.ClientWidth, height());
}

void TFHint::MoveTo(const QPoint& APosition)
{
    m_mover->MoveTo(APosition);
}

void TFHint::Show()
{
    // Created as a tool tip that accepts no focus and shows without activating: showing it is all it takes.
    show();
}
