#include "app/TFMain.h"

#include "calc/Accumulation.h"
#include "charts/BarSeries.h"
#include "charts/PieSeries.h"
#include "controls/StringGrid.h"
#include "numbers/text/TextToNumber.h"
#include "rules/FrequencyCodes.h"
#include "rules/MoneyText.h"

namespace {

const QString& SliceLabel(TPart APart)
{
    static const QString labels[] = {QStringLiteral("Initial Deposit"), QStringLiteral("Regular Deposits"),
                                     QStringLiteral("Total Interest")};
    return labels[static_cast<int>(APart)];
}

} // namespace

TStrategyInputs TFMain::StrategyInputs(bool AAlternative, bool ASubAnnual, std::int64_t APeriods,
                                       std::int64_t AStartLater, std::int64_t AInitial, std::int64_t ARegular,
                                       long double AInflation) const
{
    const ComboBox* compounding = AAlternative ? CAltFreq : CcompFreq;
    TStrategyInputs inputs;
    inputs.Rate = StrToFloatDef(TIntRate->text(), 0);
    inputs.Inflation = Extended(AInflation);
    inputs.DepositsPerYear = k;
    inputs.Periods = APeriods;
    inputs.SubAnnual = ASubAnnual;
    inputs.Continuous = IsContinuousText(compounding->currentText());
    inputs.StartLater = AStartLater;
    inputs.Initial = AInitial;
    inputs.Regular = ARegular;
    inputs.Years = seYears->ValueInRange();
    return inputs;
}

void TFMain::ComputeStrategy(bool AAlternative, bool ASubAnnual, std::int64_t APeriods, std::int64_t AStartLater,
                             std::int64_t AInitial, std::int64_t ARegular, long double AInflation)
{
    const TStrategyInputs inputs =
        StrategyInputs(AAlternative, ASubAnnual, APeriods, AStartLater, AInitial, ARegular, AInflation);
    const TStrategyResult result = AccumulateStrategy(inputs);

    const int firstSeries = AAlternative ? 3 : 0;
    BarSeries* bars[] = {BarSeriesAt(firstSeries), BarSeriesAt(firstSeries + 1), BarSeriesAt(firstSeries + 2)};
    PieSeries* pie = AAlternative ? PieSeries1 : Series7;
    StringGrid* grid = AAlternative ? StrGridAlt : StrGridFirst;

    for (BarSeries* series : bars)
        series->clear();
    pie->clear();
    grid->setRowCount(inputs.Years + 1);
    for (int y = 1; y <= inputs.Years; ++y) {
        const TYearParts& parts = result.Years[std::size_t(y - 1)];
        const QString label = y < result.FirstYear ? QString() : QString::number(y);
        bars[0]->add(double(parts.Initial), label);
        bars[1]->add(double(parts.Regular), label);
        bars[2]->add(double(parts.Interest), label);
        FillGridRow(grid, y, static_cast<long double>(parts.Initial), static_cast<long double>(parts.Regular),
                    static_cast<long double>(parts.Interest));
    }
    for (const TPieSlice& slice : PieSlices(result.Final))
        pie->add(double(slice.Value), SliceLabel(slice.Part), bars[static_cast<int>(slice.Part)]->seriesColor());
}

void TFMain::FillGridRow(StringGrid* Grid, int ARow, long double AInitial, long double ARegular,
                         long double AInterest)
{
    Grid->setCell(0, ARow, QString::number(ARow));
    Grid->setCell(1, ARow, CurrencyText(AInitial));
    Grid->setCell(2, ARow, CurrencyText(ARegular));
    Grid->setCell(3, ARow, CurrencyText(AInterest));
    Grid->setCell(4, ARow, CurrencyText((AInitial + ARegular) + AInterest));
}
