#include "app/TFMain.h"

#include "controls/StringGrid.h"
#include "results/ResultsBackground.h"
#include "results/TableHeader.h"

#include <QPainter>

void TFMain::SetupYearTables()
{
    for (StringGrid* grid : {StrGridFirst, StrGridAlt}) {
        QPalette palette = grid->palette();
        palette.setColor(QPalette::Base, ResultsBackground);
        grid->setPalette(palette);
        grid->setColumnCaptions(YearTableCaptions());
    }
}

void TFMain::StrGridFirstDrawCell(QPainter* Canvas, int ACol, int ARow, const QRect& Rect)
{
    if (ARow != 0)
        return;
    const QFontMetrics metrics(Canvas->font());
    const auto textWidth = [&metrics](const QString& AText) { return metrics.horizontalAdvance(AText); };
    for (const THeaderLine& line : HeaderCaptionLines(ACol, Rect, textWidth, metrics.height()))
        Canvas->drawText(QRect(line.TopLeft, QSize(textWidth(line.Text), metrics.height())),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line.Text);
}
