#include "charts/ChartPainter.h"

#include "charts/BarSeries.h"
#include "charts/ChartLayout.h"
#include "charts/PieSeries.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRadialGradient>

namespace {

const QColor PlotColor = Qt::white;
const QColor GridColor(214, 220, 226);
const QColor AxisColor(96, 104, 112);
const QColor MarkBorderColor(96, 96, 96);
constexpr double MarkRadius = 4;

// A rectangle's outline drawn inside it, one pixel wide, crisp at any scaling.
void DrawInnerOutline(QPainter& APainter, const QRectF& ARect, const QColor& AColor)
{
    if (ARect.width() < 2 || ARect.height() < 2)
        return;
    // Four filled strips: as crisp as a stroked rectangle and far cheaper to draw.
    const QRectF r = ARect;
    APainter.fillRect(QRectF(r.left(), r.top(), r.width(), 1), AColor);
    APainter.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), AColor);
    APainter.fillRect(QRectF(r.left(), r.top() + 1, 1, r.height() - 2), AColor);
    APainter.fillRect(QRectF(r.right() - 1, r.top() + 1, 1, r.height() - 2), AColor);
}

void PaintLegend(QPainter& APainter, const TChartDescription& AChart, const QPalette& APalette,
                 const TLegendLayout& ALegend)
{
    const TChartLegendStyle& style = AChart.Legend;
    if (!ALegend.TitleRect.isEmpty()) {
        APainter.setFont(ChartFont(AChart, style.TitleFontHeight));
        APainter.setPen(style.TitleColor);
        APainter.drawText(ALegend.TitleRect, Qt::AlignCenter | Qt::TextSingleLine, ALegend.Title);
        if (style.TitleLowered) {
            const QRectF r = ALegend.TitleRect.adjusted(0.5, 0.5, -0.5, -0.5);
            APainter.setPen(APalette.color(QPalette::Dark));
            APainter.drawPolyline(QPolygonF{r.bottomLeft(), r.topLeft(), r.topRight()});
            APainter.setPen(APalette.color(QPalette::Light));
            APainter.drawPolyline(QPolygonF{r.topRight(), r.bottomRight(), r.bottomLeft()});
        }
    }
    APainter.setFont(ChartFont(AChart, style.FontHeight));
    for (const TLegendEntry& entry : ALegend.Entries) {
        APainter.fillRect(entry.Symbol, entry.Color);
        DrawInnerOutline(APainter, entry.Symbol, entry.Color.darker(160));
        APainter.setPen(entry.Color);
        APainter.drawText(entry.TextRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, entry.Text);
    }
}

void PaintMark(QPainter& APainter, const TMarkGeometry& AMark, const BarMarks& AStyle,
               const QColor& ASymbolColor)
{
    APainter.setRenderHint(QPainter::Antialiasing, true);
    if (!AMark.Arrow.isNull()) {
        APainter.setPen(QPen(AStyle.arrowColor, 1));
        APainter.drawLine(AMark.Arrow);
    }
    if (AStyle.shadowColor.isValid()) {
        APainter.setPen(Qt::NoPen);
        APainter.setBrush(AStyle.shadowColor);
        APainter.drawRoundedRect(AMark.Box.translated(2, 2), MarkRadius, MarkRadius);
    }
    const QRectF box = AMark.Box.adjusted(0.5, 0.5, -0.5, -0.5);
    APainter.setPen(QPen(MarkBorderColor, 1));
    APainter.setBrush(AStyle.backColor);
    APainter.drawRoundedRect(box, MarkRadius, MarkRadius);
    if (AStyle.bevel) {
        // A raised edge: light along the top, shaded along the bottom, just inside the border.
        APainter.setPen(QPen(QColor(255, 255, 255), 1));
        APainter.drawLine(QPointF(box.left() + MarkRadius, box.top() + 1),
                          QPointF(box.right() - MarkRadius, box.top() + 1));
        APainter.setPen(QPen(QColor(190, 190, 190), 1));
        APainter.drawLine(QPointF(box.left() + MarkRadius, box.bottom() - 1),
                          QPointF(box.right() - MarkRadius, box.bottom() - 1));
    }
    APainter.setRenderHint(QPainter::Antialiasing, false);
    if (!AMark.Symbol.isEmpty()) {
        APainter.fillRect(AMark.Symbol, ASymbolColor);
        DrawInnerOutline(APainter, AMark.Symbol, ASymbolColor.darker(160));
    }
    APainter.setPen(Qt::black);
    APainter.drawText(AMark.TextRect, Qt::AlignCenter | Qt::TextSingleLine, AMark.Text);
}

void PaintPlot(QPainter& APainter, const TChartLayout& ALayout)
{
    APainter.fillRect(ALayout.Plot, PlotColor);
}

void PaintGrid(QPainter& APainter, const TChartLayout& ALayout)
{
    APainter.setPen(QPen(GridColor, 1));
    for (const TTickLabel& tick : ALayout.LeftAxis.Labels) {
        const double y = std::round(ALayout.LeftAxis.Scale.toPixel(tick.Value)) + 0.5;
        APainter.drawLine(QPointF(ALayout.Plot.left(), y), QPointF(ALayout.Plot.right(), y));
    }
}

// Bars in series order; marks not asked to stay on top go with their own series.
void PaintBars(QPainter& APainter, const QVector<const BarSeries*>& ABars, const TChartLayout& ALayout)
{
    for (int s = 0; s < ABars.size(); ++s) {
        for (const TBarSegment& segment : ALayout.Bars) {
            if (segment.Series != s || segment.Rect.isEmpty())
                continue;
            const QColor color = ABars[s]->pointColor(segment.Point);
            APainter.fillRect(segment.Rect, color);
            DrawInnerOutline(APainter, segment.Rect, color.darker(140));
        }
        if (!ABars[s]->marks().onTop)
            for (const TMarkGeometry& mark : ALayout.Marks)
                if (mark.Series == s)
                    PaintMark(APainter, mark, ABars[s]->marks(), ABars[s]->seriesColor());
    }
}

void PaintAxes(QPainter& APainter, const TChartDescription& AChart, const QPalette& APalette,
               const TChartLayout& ALayout)
{
    const QRectF& plot = ALayout.Plot;
    APainter.setPen(QPen(AxisColor, 1));
    APainter.drawLine(QPointF(plot.left() - 0.5, plot.top()), QPointF(plot.left() - 0.5, plot.bottom()));
    const double zero = std::round(ALayout.LeftAxis.Scale.toPixel(0)) + 0.5;
    APainter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    APainter.setFont(ChartFont(AChart, ChartLabelFontHeight));
    APainter.setPen(APalette.color(QPalette::WindowText));
    for (const TTickLabel& label : ALayout.LeftAxis.Labels)
        APainter.drawText(label.Rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, label.Text);
    for (const TTickLabel& label : ALayout.BottomAxis.Labels)
        APainter.drawText(label.Rect, Qt::AlignCenter | Qt::TextSingleLine, label.Text);

    APainter.setFont(ChartFont(AChart, AChart.BottomAxis.TitleFontHeight));
    APainter.drawText(ALayout.BottomAxis.TitleRect, Qt::AlignCenter | Qt::TextSingleLine,
                      AChart.BottomAxis.Title);
    APainter.setFont(ChartFont(AChart, AChart.LeftAxis.TitleFontHeight));
    const QRectF title = ALayout.LeftAxis.TitleRect;
    APainter.save();
    APainter.translate(title.center());
    APainter.rotate(-90);
    APainter.drawText(QRectF(-title.height() / 2, -title.width() / 2, title.height(), title.width()),
                      Qt::AlignCenter | Qt::TextSingleLine, AChart.LeftAxis.Title);
    APainter.restore();
}

void PaintBarChart(QPainter& APainter, const TChartDescription& AChart, const QPalette& APalette,
                   const TChartLayout& ALayout)
{
    const QVector<const BarSeries*> bars = BarSeriesOf(AChart);
    APainter.setFont(ChartFont(AChart, ChartLabelFontHeight));
    for (TChartLayer layer : {TChartLayer::Plot, TChartLayer::Grid, TChartLayer::Bars, TChartLayer::Axes,
                              TChartLayer::Legend, TChartLayer::Marks}) {
        switch (layer) {
        case TChartLayer::Plot:
            PaintPlot(APainter, ALayout);
            break;
        case TChartLayer::Grid:
            PaintGrid(APainter, ALayout);
            break;
        case TChartLayer::Bars:
            PaintBars(APainter, bars, ALayout);
            break;
        case TChartLayer::Axes:
            PaintAxes(APainter, AChart, APalette, ALayout);
            break;
        case TChartLayer::Legend:
            PaintLegend(APainter, AChart, APalette, ALayout.Legend);
            break;
        case TChartLayer::Marks:
            APainter.setFont(ChartFont(AChart, ChartLabelFontHeight));
            for (const TMarkGeometry& mark : ALayout.Marks)
                if (bars[mark.Series]->marks().onTop)
                    PaintMark(APainter, mark, bars[mark.Series]->marks(), bars[mark.Series]->seriesColor());
            break;
        }
    }
}

// The front half of a slice's rim, seen below the face: from its start to its end angle within 180..360.
QPainterPath SliceSide(const TPieLayout& APie, const TPieSliceGeometry& ASlice)
{
    QPainterPath path;
    const double from = std::max(ASlice.StartAngle, 180.0);
    const double to = std::min(ASlice.StartAngle + ASlice.SpanAngle, 360.0);
    if (to <= from)
        return path;
    const QRectF lower = APie.Face.translated(0, APie.Depth);
    path.arcMoveTo(APie.Face, from);
    path.arcTo(APie.Face, from, to - from);
    path.arcTo(lower, to, 0);
    path.arcTo(lower, to, from - to);
    path.closeSubpath();
    return path;
}

void PaintPieBody(QPainter& APainter, const PieSeries& APie, const TPieLayout& ALayout)
{
    const QRectF face = ALayout.Face;
    // The shadow of the whole body, face and side together.
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addEllipse(face);
    body.addEllipse(face.translated(0, ALayout.Depth));
    body.addRect(QRectF(face.left(), face.center().y(), face.width(), ALayout.Depth));
    APainter.setPen(Qt::NoPen);
    APainter.setBrush(QColor(0, 0, 0, 60));
    APainter.drawPath(body.simplified().translated(ALayout.Shadow));

    for (const TPieSliceGeometry& slice : ALayout.Slices) {
        APainter.setBrush(APie.pointColor(slice.Point).darker(135));
        APainter.drawPath(SliceSide(ALayout, slice));
    }
    for (const TPieSliceGeometry& slice : ALayout.Slices) {
        const QColor color = APie.pointColor(slice.Point);
        // A slight bevel: each slice a little lighter towards the middle.
        QRadialGradient bevel(face.center(), face.width() / 2);
        bevel.setColorAt(0.0, color.lighter(118));
        bevel.setColorAt(0.9, color);
        APainter.setBrush(bevel);
        QPainterPath path(face.center());
        path.arcTo(face, slice.StartAngle, slice.SpanAngle);
        path.closeSubpath();
        APainter.drawPath(path);
    }
    QLinearGradient frame(face.topLeft(), face.bottomRight());
    frame.setColorAt(0, QColor(128, 128, 128));
    frame.setColorAt(1, Qt::white);
    APainter.setPen(QPen(QBrush(frame), 4));
    APainter.setBrush(Qt::NoBrush);
    APainter.drawEllipse(face.adjusted(-2, -2, 2, 2));
}

void PaintPieChart(QPainter& APainter, const TChartDescription& AChart, const QPalette& APalette,
                   const TChartLayout& ALayout)
{
    PaintLegend(APainter, AChart, APalette, ALayout.Legend);
    const PieSeries* pie = FirstPieSeries(AChart);
    // Nothing to share: the legend title alone says whose pie it would be.
    if (!pie || ALayout.Pie.Slices.isEmpty())
        return;
    APainter.setRenderHint(QPainter::Antialiasing, true);
    PaintPieBody(APainter, *pie, ALayout.Pie);
    // Slice marks: plain white boxes, black arrows where the chart has them.
    BarMarks style;
    style.arrowColor = Qt::black;
    APainter.setFont(ChartFont(AChart, ChartLabelFontHeight));
    for (const TMarkGeometry& mark : ALayout.Marks)
        PaintMark(APainter, mark, style, QColor());
}

} // namespace

void PaintChart(QPainter& APainter, const TChartDescription& AChart, const TChartLayout& ALayout,
                const QPalette& APalette)
{
    // The background lies under every layer.
    APainter.fillRect(QRect(QPoint(0, 0), AChart.Size), AChart.Background);
    if (ALayout.IsPie)
        PaintPieChart(APainter, AChart, APalette, ALayout);
    else
        PaintBarChart(APainter, AChart, APalette, ALayout);
}
