#include "report/ReportPainter.h"

#include "charts/ChartDescription.h"
#include "charts/ChartLayout.h"
#include "charts/ChartPainter.h"
#include "charts/ChartWidget.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <algorithm>
#include <numeric>

namespace {

// The charts are laid out in pixels of about the window's size, where their fonts' pixel heights were
// chosen, and scaled onto the page: an 11-pixel label comes out at 8 points.
const QSize BarGraphSize(680, 300);
const QSize PieSize(340, 270);

const QColor RuleColor(150, 156, 162);
const QColor FaintText(96, 100, 104);
const QColor HeaderFill(226, 232, 238);
const QColor StripeFill(244, 246, 248);

constexpr double Gutter = 24;     // points between side-by-side columns
constexpr double BlockGap = 16;   // points between blocks
constexpr double ListWidth = 230; // points: the widest a caption-and-value list gets
constexpr double CellPadding = 6; // points either side of a table cell's text
constexpr double TableFontSize = 9.5;
constexpr int MinimumTableRows = 5; // rows below the header where a table longer than a page starts

} // namespace

ReportPainter::ReportPainter(QPagedPaintDevice& ADevice) : m_device(ADevice)
{
    m_painter.begin(&m_device);
    m_unit = m_device.logicalDpiY() / 72.0;
    m_page = QRectF(0, 0, m_device.width(), m_device.height());
}

void ReportPainter::paint(const TReport& AReport)
{
    if (!m_painter.isActive())
        return;
    // The face of the window's charts, so that the text and the charts on the page read as one.
    if (AReport.BarGraph)
        m_face = AReport.BarGraph->font();
    m_footer =
        AReport.Date.isEmpty() ? AReport.Title : AReport.Title + QStringLiteral(" \u2013 ") + AReport.Date;
    beginPage();
    paintTitle(AReport);
    paintSummaries(AReport.Sides);
    paintCharts(AReport);
    for (const TReportSide& side : AReport.Sides)
        paintTable(side);
    m_painter.end();
}

QFont ReportPainter::textFont(double APoints, bool ABold) const
{
    QFont font = m_face;
    font.setPointSizeF(APoints);
    font.setBold(ABold);
    return font;
}

double ReportPainter::lineHeight(const QFont& AFont) const
{
    return QFontMetricsF(AFont, &m_device).height() * 1.3;
}

double ReportPainter::textWidth(const QFont& AFont, const QString& AText) const
{
    return QFontMetricsF(AFont, &m_device).horizontalAdvance(AText);
}

// Above the footer line.
double ReportPainter::bottom() const
{
    return m_page.bottom() - 2 * lineHeight(textFont(8));
}

// Every page ends in a footer naming the report and the page.
void ReportPainter::beginPage()
{
    const QFont font = textFont(8);
    const QRectF footer(m_page.left(), m_page.bottom() - lineHeight(font), m_page.width(), lineHeight(font));
    m_painter.fillRect(QRectF(footer.left(), footer.top() - pt(3), footer.width(), pt(0.5)), RuleColor);
    m_painter.setFont(font);
    m_painter.setPen(FaintText);
    m_painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_footer);
    m_painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                       QStringLiteral("Page %1").arg(m_pageNumber));
    m_painter.setPen(Qt::black);
    m_y = m_page.top();
}

void ReportPainter::nextPage()
{
    m_device.newPage();
    ++m_pageNumber;
    beginPage();
}

// A block of AHeight starts on the next page unless it fits on this one; one taller than a page starts
// at the top of one all the same.
void ReportPainter::needRoom(double AHeight)
{
    if (m_y + AHeight > bottom() && m_y > m_page.top())
        nextPage();
}

void ReportPainter::paintTitle(const TReport& AReport)
{
    const QFont title = textFont(18, true);
    const QFont date = textFont(10);
    const double baseline = m_y + QFontMetricsF(title, &m_device).ascent();
    m_painter.setFont(date);
    m_painter.setPen(FaintText);
    const double dateWidth = textWidth(date, AReport.Date);
    m_painter.drawText(QPointF(m_page.right() - dateWidth, baseline), AReport.Date);
    m_painter.setFont(title);
    m_painter.setPen(Qt::black);
    const QString text =
        QFontMetricsF(title, &m_device)
            .elidedText(AReport.Title, Qt::ElideRight, m_page.width() - dateWidth - pt(Gutter));
    m_painter.drawText(QPointF(m_page.left(), baseline), text);
    m_y = baseline + QFontMetricsF(title, &m_device).descent() + pt(4);
    m_painter.fillRect(QRectF(m_page.left(), m_y, m_page.width(), pt(0.75)), RuleColor);
    m_y += pt(BlockGap);
}

double ReportPainter::linesHeight(int ACount) const
{
    return ACount * lineHeight(textFont(10));
}

// Captions on the left, values right-aligned on the right edge of the list.
void ReportPainter::paintLines(const QVector<TReportLine>& ALines, const QRectF& AColumn)
{
    const QFont plain = textFont(10);
    const double height = lineHeight(plain);
    QRectF line(AColumn.left(), AColumn.top(), std::min(AColumn.width(), pt(ListWidth)), height);
    for (const TReportLine& entry : ALines) {
        m_painter.setFont(plain);
        m_painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, entry.Caption);
        m_painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, entry.Value);
        line.translate(0, height);
    }
}

void ReportPainter::paintHeading(const QString& AText, const QColor& AColor, const QRectF& ARect)
{
    m_painter.setFont(textFont(12, true));
    m_painter.setPen(AColor.isValid() ? AColor : QColor(Qt::black));
    m_painter.drawText(ARect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       m_painter.fontMetrics().elidedText(AText, Qt::ElideRight, int(ARect.width())));
    m_painter.setPen(Qt::black);
}

// One side: its inputs beside its totals. Two sides: a column each, inputs above totals, so the same
// figures of both stand level with each other.
void ReportPainter::paintSummaries(const QVector<TReportSide>& ASides)
{
    if (ASides.isEmpty())
        return;
    const double headingHeight = lineHeight(textFont(12, true));
    const double gap = pt(8);
    if (ASides.size() == 1) {
        const TReportSide& side = ASides.first();
        const double column = (m_page.width() - pt(Gutter)) / 2;
        const double height =
            headingHeight + linesHeight(int(std::max(side.Inputs.size(), side.Totals.size())));
        needRoom(height);
        paintHeading(side.Heading, side.HeadingColor,
                     QRectF(m_page.left(), m_y, m_page.width(), headingHeight));
        const double top = m_y + headingHeight;
        paintLines(side.Inputs, QRectF(m_page.left(), top, column, 0));
        paintLines(side.Totals, QRectF(m_page.left() + column + pt(Gutter), top, column, 0));
        m_y += height + pt(BlockGap);
        return;
    }
    const double column = (m_page.width() - pt(Gutter) * (ASides.size() - 1)) / ASides.size();
    qsizetype inputs = 0;
    qsizetype totals = 0;
    for (const TReportSide& side : ASides) {
        inputs = std::max(inputs, side.Inputs.size());
        totals = std::max(totals, side.Totals.size());
    }
    const double height = headingHeight + linesHeight(int(inputs)) + gap + linesHeight(int(totals));
    needRoom(height);
    for (int i = 0; i < ASides.size(); ++i) {
        const TReportSide& side = ASides[i];
        const double left = m_page.left() + i * (column + pt(Gutter));
        paintHeading(side.Heading, side.HeadingColor, QRectF(left, m_y, column, headingHeight));
        paintLines(side.Inputs, QRectF(left, m_y + headingHeight, column, 0));
        const double totalsTop = m_y + headingHeight + linesHeight(int(inputs)) + gap;
        m_painter.fillRect(QRectF(left, totalsTop - gap / 2, std::min(column, pt(ListWidth)), pt(0.5)),
                           RuleColor);
        paintLines(side.Totals, QRectF(left, totalsTop, column, 0));
    }
    m_y += height + pt(BlockGap);
}

// The bar graph across the page, and below it the pies side by side (one pie centred).
void ReportPainter::paintCharts(const TReport& AReport)
{
    if (AReport.BarGraph) {
        const QSizeF size = QSizeF(BarGraphSize).scaled(m_page.width(), 1e9, Qt::KeepAspectRatio);
        needRoom(size.height());
        paintChart(*AReport.BarGraph, BarGraphSize, QRectF(QPointF(m_page.left(), m_y), size));
        m_y += size.height() + pt(BlockGap);
    }
    QVector<const ChartWidget*> pies;
    for (const TReportSide& side : AReport.Sides)
        if (side.Pie)
            pies.append(side.Pie);
    if (pies.isEmpty())
        return;
    const int across = std::max<int>(2, int(pies.size()));
    const double width = (m_page.width() - pt(Gutter) * (across - 1)) / across;
    QSizeF size = QSizeF(PieSize).scaled(width, 1e9, Qt::KeepAspectRatio);
    // Rather a little smaller than on a page of their own.
    const double room = bottom() - m_y;
    if (room < size.height() && room >= size.height() * 0.75)
        size.scale(width, room, Qt::KeepAspectRatio);
    needRoom(size.height());
    const double used = pies.size() * size.width() + (pies.size() - 1) * pt(Gutter);
    double left = m_page.left() + (m_page.width() - used) / 2;
    for (const ChartWidget* pie : pies) {
        paintChart(*pie, PieSize, QRectF(QPointF(left, m_y), size));
        left += size.width() + pt(Gutter);
    }
    m_y += size.height() + pt(BlockGap);
}

// The chart laid out afresh at AChartSize in its widget's font and scaled onto ATarget; the widget's own
// layout, size and paint are not touched. The checkbox room below the bar graph is the window's alone.
void ReportPainter::paintChart(const ChartWidget& AChart, QSize AChartSize, const QRectF& ATarget)
{
    TChartDescription chart = AChart.description();
    chart.Size = AChartSize;
    chart.Font = AChart.font();
    chart.BottomMargin = 0;
    const TChartLayout layout = ComputeChartLayout(chart);
    m_painter.save();
    m_painter.translate(ATarget.topLeft());
    m_painter.scale(ATarget.width() / AChartSize.width(), ATarget.height() / AChartSize.height());
    m_painter.setClipRect(QRect(QPoint(0, 0), AChartSize));
    PaintChart(m_painter, chart, layout, AChart.palette());
    m_painter.restore();
}

// Each column as wide as its widest text; what the page has to spare goes to the figures' columns, the
// first (the year) keeping its own width.
QVector<double> ReportPainter::columnWidths(const TReportSide& ASide, const QFont& ABold,
                                            const QFont& APlain) const
{
    QVector<double> widths;
    for (int c = 0; c < ASide.Captions.size(); ++c) {
        double widest = textWidth(ABold, ASide.Captions[c]);
        for (const QStringList& row : ASide.Rows)
            if (c < row.size())
                widest = std::max(widest, textWidth(APlain, row[c]));
        widths.append(widest + 2 * pt(CellPadding));
    }
    const double spare = m_page.width() - std::accumulate(widths.cbegin(), widths.cend(), 0.0);
    const int sharing = int(widths.size()) - 1;
    if (spare > 0 && sharing > 0)
        for (int c = 1; c < widths.size(); ++c)
            widths[c] += spare / sharing;
    return widths;
}

double ReportPainter::tableHeaderHeight() const
{
    return lineHeight(textFont(12, true)) + lineHeight(textFont(TableFontSize, true)) * 1.4;
}

// The side's heading, and the captions on a shaded row.
void ReportPainter::paintTableHeader(const TReportSide& ASide, const QVector<double>& AWidths,
                                     bool AContinued)
{
    const double headingHeight = lineHeight(textFont(12, true));
    const QString heading = AContinued ? ASide.Heading + QStringLiteral(" (continued)") : ASide.Heading;
    paintHeading(heading, ASide.HeadingColor, QRectF(m_page.left(), m_y, m_page.width(), headingHeight));
    m_y += headingHeight;
    const QFont bold = textFont(TableFontSize, true);
    const double height = tableHeaderHeight() - headingHeight;
    m_painter.fillRect(QRectF(m_page.left(), m_y, m_page.width(), height), HeaderFill);
    m_painter.fillRect(QRectF(m_page.left(), m_y + height - pt(0.75), m_page.width(), pt(0.75)), RuleColor);
    m_painter.setFont(bold);
    double left = m_page.left();
    for (int c = 0; c < AWidths.size(); ++c) {
        const QRectF cell =
            QRectF(left, m_y, AWidths[c], height).adjusted(pt(CellPadding), 0, -pt(CellPadding), 0);
        m_painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, ASide.Captions[c]);
        left += AWidths[c];
    }
    m_y += height;
}

// Figures right-aligned under their captions, every other row lightly shaded to guide the eye.
void ReportPainter::paintTable(const TReportSide& ASide)
{
    if (ASide.Captions.isEmpty())
        return;
    const QFont bold = textFont(TableFontSize, true);
    const QFont plain = textFont(TableFontSize);
    const QVector<double> widths = columnWidths(ASide, bold, plain);
    const double rowHeight = lineHeight(plain);
    // A table that fits on a page is kept whole; a longer one starts where a few of its rows fit.
    const double whole = tableHeaderHeight() + ASide.Rows.size() * rowHeight;
    needRoom(whole <= bottom() - m_page.top() ? whole : tableHeaderHeight() + MinimumTableRows * rowHeight);
    paintTableHeader(ASide, widths, false);
    for (int r = 0; r < ASide.Rows.size(); ++r) {
        if (m_y + rowHeight > bottom()) {
            nextPage();
            paintTableHeader(ASide, widths, true);
        }
        if (r % 2 == 1)
            m_painter.fillRect(QRectF(m_page.left(), m_y, m_page.width(), rowHeight), StripeFill);
        m_painter.setFont(plain);
        double left = m_page.left();
        const QStringList& row = ASide.Rows[r];
        for (int c = 0; c < widths.size() && c < row.size(); ++c) {
            const QRectF cell =
                QRectF(left, m_y, widths[c], rowHeight).adjusted(pt(CellPadding), 0, -pt(CellPadding), 0);
            m_painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, row[c]);
            left += widths[c];
        }
        m_y += rowHeight;
    }
    m_painter.fillRect(QRectF(m_page.left(), m_y, m_page.width(), pt(0.75)), RuleColor);
    m_y += pt(BlockGap) * 1.5;
}
