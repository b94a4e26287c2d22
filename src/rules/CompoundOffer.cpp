#include "rules/CompoundOffer.h"

#include "numbers/text/TextFunctions.h"
#include "rules/FrequencyCodes.h"

#include <algorithm>

QStringList CompoundItemsForDeposits(int ADepositItem)
{
    const QStringList deposits = DepositFrequencyItems();
    const int offered = std::clamp(ADepositItem, 0, int(deposits.size()) - 1) + 1;
    return deposits.mid(0, offered) << FreqContinuous;
}

int ItemToKeep(const QStringList& AItems, const QString& AChosen)
{
    for (int item = 0; item < AItems.size(); ++item)
        if (CompareText(AItems[item], AChosen) == 0)
            return item;
    return int(AItems.size()) - 1;
}
