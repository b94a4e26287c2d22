#include "rules/FrequencyCodes.h"

#include "numbers/text/TextFunctions.h"

#include <array>

namespace {

struct TFrequencyRow
{
    const QString& Text;
    std::int64_t Periods;
};

// Compared in this order; a day is a 365th of a year and a week a 52nd.
const std::array<TFrequencyRow, 6> CompoundRows{{
    {FreqAnnually, 1},
    {FreqQuarterly, 4},
    {FreqMonthly, 12},
    {FreqWeekly, 52},
    {FreqDaily, 365},
    {FreqContinuous, 3650},
}};

} // namespace

QStringList DepositFrequencyItems()
{
    return {FreqAnnually, FreqQuarterly, FreqMonthly, FreqWeekly, FreqDaily};
}

QStringList CompoundFrequencyItems()
{
    return DepositFrequencyItems() << FreqContinuous;
}

std::optional<TCompoundFrequency> CompoundFrequencyOfText(const QString& AText)
{
    for (const TFrequencyRow& row : CompoundRows) {
        if (CompareText(AText, row.Text) == 0)
            return TCompoundFrequency{row.Periods, row.Periods != 1};
    }
    return std::nullopt;
}

bool IsContinuousText(const QString& AText)
{
    return CompareText(AText, FreqContinuous) == 0;
}

std::int64_t DepositsPerYearOfItem(int AItemIndex)
{
    static constexpr std::array<std::int64_t, 5> DepositsPerYear{1, 4, 12, 52, 365};
    if (AItemIndex < 0 || AItemIndex >= int(DepositsPerYear.size()))
        return 1;
    return DepositsPerYear[std::size_t(AItemIndex)];
}
