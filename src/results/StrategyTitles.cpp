#include "results/StrategyTitles.h"

#include "numbers/text/TextToNumber.h"

bool InflationShown(bool AInflationChecked, const QString& AInflationText)
{
    return AInflationChecked && StrToFloatDef(AInflationText, 0) > 0;
}

TSideTitles UserStrategyTitles(bool AInflationShown, const QString& AInflationText)
{
    if (!AInflationShown) {
        return {QStringLiteral("Initial Deposit (no inflation) "), QStringLiteral("Regular deposits (no inflation) "),
                QStringLiteral("Total interest (no inflation) "), QStringLiteral("Your strategy (no inflation)")};
    }
    const QString legendRate = QStringLiteral(" (inf. ") + AInflationText + QStringLiteral("%) ");
    return {QStringLiteral("Initial deposit") + legendRate, QStringLiteral("Regular deposits") + legendRate,
            QStringLiteral("Total interest") + legendRate,
            QStringLiteral("Your strategy (inf. ") + AInflationText + QStringLiteral(" %)")};
}

TSideTitles AlternativeStrategyTitles(bool AInflationShown, const QString& AInflationText)
{
    const QString prefix = QStringLiteral("Alt. strategy ");
    const TSideTitles user = UserStrategyTitles(AInflationShown, AInflationText);
    const QString heading = AInflationShown
                                ? QStringLiteral("Alternative strategy (inf. ") + AInflationText + QStringLiteral(" %)")
                                : QStringLiteral("Alternative strategy (no inflation)");
    return {prefix + user.Initial, prefix + user.Regular, prefix + user.Interest, heading};
}

TMarkArrows InterestMarkArrows(double AFirstInterest, double ASecondInterest)
{
    if (ASecondInterest > AFirstInterest)
        return {10, 25};
    return {25, 10};
}
