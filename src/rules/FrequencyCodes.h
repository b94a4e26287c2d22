#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// A compounding frequency as the calculation uses it: periods per year, and whether compounding is more
// often than once a year. "Continuous" is coded as 3650 periods; whether a strategy really compounds
// continuously is decided from the list text by the accumulation, not from this code.
struct TCompoundFrequency
{
    std::int64_t Periods = 1;
    bool SubAnnual = false;

    bool operator==(const TCompoundFrequency&) const = default;
};

// The texts the frequency lists offer, finest last.
inline const QString FreqAnnually = QStringLiteral("Annually");
inline const QString FreqQuarterly = QStringLiteral("Quarterly");
inline const QString FreqMonthly = QStringLiteral("Monthly");
inline const QString FreqWeekly = QStringLiteral("Weekly");
inline const QString FreqDaily = QStringLiteral("Daily");
inline const QString FreqContinuous = QStringLiteral("Continuous");

// Items of the deposit-frequency list; the item's position, not its text, sets the deposit code.
QStringList DepositFrequencyItems();
// Items of the compounding list before the deposit frequency is first changed: every frequency.
QStringList CompoundFrequencyItems();

// The compounding code of a list text, compared case-insensitively; no value for an unknown text, which
// leaves the caller's previous code in force.
std::optional<TCompoundFrequency> CompoundFrequencyOfText(const QString& AText);

// True when a compounding list text names continuous compounding (case-insensitive).
bool IsContinuousText(const QString& AText);

// Deposits per year for the position of the chosen deposit-frequency item (0 to 4); 1 for anything else,
// so a list without a choice never yields a zero divisor.
std::int64_t DepositsPerYearOfItem(int AItemIndex);
