#include "plan/PlanWriter.h"

#include "plan/PlanFormat.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace PlanFormat;

namespace {

// Hundredths of a percent as the rate field shows them: "5.00".
QString RateText(std::int64_t AHundredths)
{
    return QStringLiteral("%1.%2").arg(AHundredths / 100).arg(AHundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QByteArray WritePlan(const TPlan& APlan)
{
    const QJsonObject strategy{
        {InitialDeposit, qint64(APlan.InitialDeposit)},
        {RegularDeposit, qint64(APlan.RegularDeposit)},
        {DepositFrequency, APlan.DepositFrequency},
        {DepositFrequencyChosen, APlan.DepositFrequencyChosen},
        {Compounding, APlan.Compounding},
        {ContinuousKeepsDeposits, APlan.ContinuousKeepsDeposits},
        {InterestRate, RateText(APlan.RateHundredths)},
        {Years, APlan.Years},
    };
    const QJsonObject inflation{
        {Adjust, APlan.AdjustForInflation},
        {Rate, RateText(APlan.InflationHundredths)},
    };
    const QJsonObject alternative{
        {RegularDeposit, qint64(APlan.AlternativeRegularDeposit)},
        {Compounding, APlan.AlternativeCompounding},
        {StartLater, APlan.StartLater},
    };
    const QJsonObject view{
        {Page, Pages[int(APlan.Page)]},
        {ShowMarks, APlan.ShowMarks},
    };
    const QJsonObject root{
        {Format, FormatName},
        {VersionKey, Version},
        {Strategy, strategy},
        {Inflation, inflation},
        {CompareWith, Comparisons[int(APlan.Comparison)]},
        {Alternative, alternative},
        {View, view},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
