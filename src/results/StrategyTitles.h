#pragma once

#include <QString>

// The legend titles of one side's three bar series and the heading over its totals.
struct TSideTitles
{
    QString Initial;
    QString Regular;
    QString Interest;
    QString Heading;

    bool operator==(const TSideTitles&) const = default;
};

// Inflation is named in the titles only when it is switched on and its text reads as a rate above 0.
bool InflationShown(bool AInflationChecked, const QString& AInflationText);

// Titles of the user's strategy; AInflationText is shown exactly as typed ("3" and "3.00" differ).
TSideTitles UserStrategyTitles(bool AInflationShown, const QString& AInflationText);
// Titles of the alternative strategy.
TSideTitles AlternativeStrategyTitles(bool AInflationShown, const QString& AInflationText);

// Arrow lengths of the interest marks: the larger final interest gets the longer arrow so the two marks
// do not cover each other; on a tie the user's side takes the long one.
struct TMarkArrows
{
    int First;
    int Second;
};
TMarkArrows InterestMarkArrows(double AFirstInterest, double ASecondInterest);
// The arrow length of the user's interest marks when there is no second side.
inline constexpr int SingleSideArrowLength = 20;
