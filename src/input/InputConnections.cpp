#include "app/TFMain.h"

// Every input control to its key, exit and change handlers; the edits' shared change handler, which
// recalculates, is connected with the window's own (ConnectHandlers).
void TFMain::ConnectInputHandlers()
{
    for (Edit* money : {TIntDep, TRegDep, TAltdep}) {
        connect(money, &Edit::keyPress, this, &TFMain::TIntDepKeyPress);
        connect(money, &Edit::deletePressed, this, &TFMain::TIntDepKeyDown);
        connect(money, &Edit::exit, this, &TFMain::TIntDepExit);
    }
    for (Edit* rate : {TIntRate, TInflation}) {
        connect(rate, &Edit::keyPress, this, &TFMain::TIntRateKeyPress);
        connect(rate, &Edit::deletePressed, this, &TFMain::TIntRateKeyDown);
        connect(rate, &Edit::exit, this, &TFMain::TIntRateExit);
    }
    connect(CDefFreq, &ComboBox::change, this, &TFMain::CDefFreqChange);
    connect(CcompFreq, &ComboBox::change, this, &TFMain::CcompFreqChange);
    connect(CAltFreq, &ComboBox::change, this, &TFMain::CAltFreqChange);
    connect(seYears, &SpinEdit::change, this, &TFMain::seYearsChange);
    connect(TB, &QSlider::valueChanged, this, &TFMain::TBChange);
    connect(chInflation, &QCheckBox::toggled, this, &TFMain::chInflationClick);
    connect(chAlternative, &QCheckBox::toggled, this, &TFMain::chAlternativeClick);
    connect(chInflationCompare, &QCheckBox::toggled, this, &TFMain::chInflationCompareClick);
}
