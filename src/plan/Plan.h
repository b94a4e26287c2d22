#pragma once

#include <QString>
#include <cstdint>

// What the window compares the user's strategy with.
enum class TComparison
{
    None,
    Alternative,      // "Alternative strategy"
    WithoutInflation, // "Inflation adjusted values": the same strategy without inflation beside it
};

// The page of results shown.
enum class TResultsPage
{
    BarGraph,
    PieChart,
    TabularData,
};

// Everything of the window a plan keeps: the inputs of both sides and how the results are shown. Amounts in
// whole units, rates in hundredths of a percent, frequencies as the lists name them.
struct TPlan
{
    std::int64_t InitialDeposit = 0;
    std::int64_t RegularDeposit = 0;
    QString DepositFrequency;
    // Once a deposit frequency has been chosen, the compounding list offers nothing finer than the deposits
    // (and "Continuous"); until then it offers every frequency while deposits are yearly.
    bool DepositFrequencyChosen = false;
    QString Compounding;
    // Compounding became continuous by itself, when a coarser deposit frequency took the former compounding
    // off the list: the regular deposit stays. Continuous compounding picked from the list takes none.
    bool ContinuousKeepsDeposits = false;
    std::int64_t RateHundredths = 0;
    int Years = 1;
    bool AdjustForInflation = false;
    std::int64_t InflationHundredths = 0;
    TComparison Comparison = TComparison::None;
    std::int64_t AlternativeRegularDeposit = 0;
    QString AlternativeCompounding;
    int StartLater = 0;
    TResultsPage Page = TResultsPage::BarGraph;
    bool ShowMarks = true;

    bool operator==(const TPlan&) const = default;
};

// The extension of plan files, without its dot.
inline const QString PlanFileExtension = QStringLiteral("pelvantor");
