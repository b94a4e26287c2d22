#include "app/TFMain.h"

#include "controls/BalloonNotice.h"
#include "controls/ControlProperties.h"
#include "rules/CompoundOffer.h"
#include "rules/FrequencyCodes.h"

#include <QCoreApplication>
#include <QVariant>

namespace {
// No deposits are made while compounding is continuous.
const QString ContinuousRegularDep = QStringLiteral("$0");
} // namespace

void TFMain::CDefFreqChange()
{
    k = DepositsPerYearOfItem(CDefFreq->currentIndex());
    OfferCompounding(CompoundItemsForDeposits(CDefFreq->currentIndex()));
}

// The compounding list as the window starts: every frequency, with yearly deposits. No choice of the user's
// leads back to it once a deposit frequency has been chosen, so a plan that keeps it sets it as the form does.
void TFMain::OfferEveryCompounding()
{
    CDefFreq->setCurrentIndex(0);
    k = DepositsPerYearOfItem(0);
    OfferCompounding(CompoundFrequencyItems());
}

// The compounding list rebuilt, its choice kept where it is still offered.
void TFMain::OfferCompounding(const QStringList& AOffer)
{
    const QString chosen = CcompFreq->currentText();
    CcompFreq->clear();
    CcompFreq->addItems(AOffer);
    // Chosen from code, so a fall to "Continuous" here leaves the regular deposit as it is.
    CcompFreq->setCurrentIndex(ItemToKeep(AOffer, chosen));
    CcompFreq->update();
    ReadCompoundFrequency();
    ReadAltCompoundFrequency();
    Recalculate();
}

void TFMain::CcompFreqChange()
{
    ReadCompoundFrequency();
    // The deposit text is swapped without recalculating twice; the one recalculation comes at the end.
    disconnect(TRegDep, &Edit::change, this, &TFMain::TIntRateChange);
    if (IsContinuousText(CcompFreq->currentText())) {
        CDefFreq->setEnabled(false);
        PrevRegularDep = TRegDep->text();
        TRegDep->setText(ContinuousRegularDep);
        TRegDep->setEnabled(false);
        const QString notice = DynamicProperty(CcompFreq, "hint").toString();
        CcompFreq->setToolTip(notice);
        BalloonHint->showAt(CcompFreq->mapToGlobal(QPoint(0, CcompFreq->height())), notice);
        // Painted now, before the recalculation keeps the window busy. No user input runs in here, and what
        // does run recalculates nothing (Recalculate says what), so this handler is not entered again.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        CDefFreq->setEnabled(true);
        TRegDep->setText(PrevRegularDep);
        TRegDep->setEnabled(true);
        CcompFreq->setToolTip(QString());
        // Picked by keyboard, no click has taken the notice away; it no longer holds.
        BalloonHint->hideHint();
    }
    connect(TRegDep, &Edit::change, this, &TFMain::TIntRateChange);
    Recalculate();
}

void TFMain::CAltFreqChange()
{
    ReadAltCompoundFrequency();
    Recalculate();
}
