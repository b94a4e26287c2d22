#pragma once

#include <QStringList>

// The compounding frequencies offered with deposits at the item ADepositItem of the deposit-frequency
// list: every frequency up to the deposit frequency, then "Continuous". Yearly deposits for an item out
// of range.
QStringList CompoundItemsForDeposits(int ADepositItem);

// The item to choose after the offer changed: the one whose text was chosen before (compared
// case-insensitively), else the last item.
int ItemToKeep(const QStringList& AItems, const QString& AChosen);
