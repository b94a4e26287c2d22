#include "app/TFMain.h"

#include "access/AnnouncementAccessible.h"

namespace {
const QString YearsSuffix = QStringLiteral(" years");
} // namespace

void TFMain::seYearsChange()
{
    // Writing the value rewrites the text, which runs this handler once more before going on here.
    if (seYears->Value() < seYears->MinValue())
        seYears->setValue(seYears->MinValue());
    else if (seYears->Value() > seYears->MaxValue())
        seYears->setValue(seYears->MaxValue());
    // The alternative may start up to a year before the end; a position beyond that is pulled down, and
    // the track bar's own handler runs for it.
    TB->setMaximum(seYears->Value() - 1);
    Recalculate();
}

void TFMain::TBChange()
{
    lStartLater->setText(QString::number(TB->value()) + YearsSuffix);
    // A screen reader reads the track bar's number; the words beside it tell what it counts.
    TB->setAccessibleDescription(lStartLater->text());
    // Orca reads a move of the bar as the bare number, so the user's own moves are told as the words too,
    // ahead of the totals they bring. The number still goes out: held back, it would leave a braille
    // display on the old position.
    if (TB->movedByUser())
        AnnouncementAccessible::announceFrom(TB, lStartLater->text());
    Recalculate();
}
