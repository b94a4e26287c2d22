#pragma once

#include "plan/Plan.h"

#include <QString>
#include <QStringList>

// The words of the plan file format, shared by its reader and writer. A plan is one JSON object:
//   { "format": "Pelvantor plan", "version": 1,
//     "yourStrategy": { "initialDeposit", "regularDeposit", "depositFrequency", "depositFrequencyChosen",
//                       "compounding", "continuousKeepsDeposits", "interestRate", "years" },
//     "inflation": { "adjust", "rate" },
//     "compareWith": "nothing" | "alternative strategy" | "inflation adjusted values",
//     "alternativeStrategy": { "regularDeposit", "compounding", "startLater" },
//     "view": { "page", "showMarks" } }
// Amounts are whole numbers, rates decimal text with up to two decimals ("5.00").
namespace PlanFormat {

inline const QString FormatName = QStringLiteral("Pelvantor plan");
inline constexpr int Version = 1;

inline const QString Format = QStringLiteral("format");
inline const QString VersionKey = QStringLiteral("version");

inline const QString Strategy = QStringLiteral("yourStrategy");
inline const QString InitialDeposit = QStringLiteral("initialDeposit");
inline const QString RegularDeposit = QStringLiteral("regularDeposit");
inline const QString DepositFrequency = QStringLiteral("depositFrequency");
inline const QString DepositFrequencyChosen = QStringLiteral("depositFrequencyChosen");
inline const QString Compounding = QStringLiteral("compounding");
inline const QString ContinuousKeepsDeposits = QStringLiteral("continuousKeepsDeposits");
inline const QString InterestRate = QStringLiteral("interestRate");
inline const QString Years = QStringLiteral("years");

inline const QString Inflation = QStringLiteral("inflation");
inline const QString Adjust = QStringLiteral("adjust");
inline const QString Rate = QStringLiteral("rate");

inline const QString CompareWith = QStringLiteral("compareWith");

inline const QString Alternative = QStringLiteral("alternativeStrategy");
inline const QString StartLater = QStringLiteral("startLater");

inline const QString View = QStringLiteral("view");
inline const QString Page = QStringLiteral("page");
inline const QString ShowMarks = QStringLiteral("showMarks");

// The texts of the comparisons and pages, in the order of their enums.
inline const QStringList Comparisons{QStringLiteral("nothing"), QStringLiteral("alternative strategy"),
                                     QStringLiteral("inflation adjusted values")};
inline const QStringList Pages{QStringLiteral("Bar Graph"), QStringLiteral("Pie Chart"),
                               QStringLiteral("Tabular Data")};

} // namespace PlanFormat
