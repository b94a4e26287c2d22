#include "app/TFMain.h"

#include "controls/FormSetup.h"

// Unticking a box from here runs its own handler at once, to its end, before the outer handler goes on.

void TFMain::chInflationClick()
{
    if (!chInflation->isChecked())
        chInflationCompare->setChecked(false);
    chInflationCompare->setEnabled(chInflation->isChecked());
    EnablePanel(pInflation, chInflation->isChecked());
    Recalculate();
}

// The two comparisons share the second side, so ticking one unticks the other.
void TFMain::chAlternativeClick()
{
    if (chAlternative->isChecked())
        chInflationCompare->setChecked(false);
    ArrangeAlternativeLayout();
    Recalculate();
}

void TFMain::chInflationCompareClick()
{
    if (chInflationCompare->isChecked())
        chAlternative->setChecked(false);
    ArrangeAlternativeLayout();
    Recalculate();
}
