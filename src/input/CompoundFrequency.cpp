#include "app/TFMain.h"

#include "rules/FrequencyCodes.h"

void TFMain::ReadCompoundFrequency()
{
    if (const auto code = CompoundFrequencyOfText(CcompFreq->currentText())) {
        f = code->Periods;
        Month = code->SubAnnual;
    }
}

void TFMain::ReadAltCompoundFrequency()
{
    if (const auto code = CompoundFrequencyOfText(CAltFreq->currentText())) {
        fa = code->Periods;
        AMonth = code->SubAnnual;
    }
}
