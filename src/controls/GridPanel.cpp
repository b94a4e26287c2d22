#include "controls/GridPanel.h"

#include "controls/ControlProperties.h"

#include <QStringList>
#include <cmath>

namespace {

QVector<double> ParsePercents(const QString& APercents)
{
    QVector<double> values;
    for (const QString& part : APercents.split(u',', Qt::SkipEmptyParts))
        values.append(std::max(part.trimmed().toDouble(), 0.0));
    return values.isEmpty() ? QVector<double>{100} : values;
}

QString JoinPercents(const QVector<double>& AValues)
{
    QStringList parts;
    for (double value : AValues)
        parts.append(QString::number(value));
    return parts.join(u',');
}

} // namespace

QVector<int> SplitByPercent(int ATotal, const QVector<double>& APercents)
{
    double sum = 0;
    for (double percent : APercents)
        sum += percent;
    QVector<int> sizes;
    double running = 0;
    int previousEdge = 0;
    for (double percent : APercents) {
        running += percent;
        const int edge = sum > 0 ? int(std::lround(ATotal * running / sum)) : 0;
        sizes.append(edge - previousEdge);
        previousEdge = edge;
    }
    return sizes;
}

GridPanel::GridPanel(QWidget* parent) : QWidget(parent) {}

QString GridPanel::columns() const
{
    return JoinPercents(m_columns);
}

void GridPanel::setColumns(const QString& percents)
{
    m_columns = ParsePercents(percents);
    arrange();
}

QString GridPanel::rows() const
{
    return JoinPercents(m_rows);
}

void GridPanel::setRows(const QString& percents)
{
    m_rows = ParsePercents(percents);
    arrange();
}

void GridPanel::setColumnPercent(int column, double percent)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column] = std::max(percent, 0.0);
    arrange();
}

void GridPanel::arrange()
{
    const QVector<int> widths = SplitByPercent(width(), m_columns);
    const QVector<int> heights = SplitByPercent(height(), m_rows);
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QPoint cell = CellOf(child);
        if (cell.x() < 0 || cell.x() >= widths.size() || cell.y() < 0 || cell.y() >= heights.size())
            continue;
        int left = 0;
        for (int c = 0; c < cell.x(); ++c)
            left += widths[c];
        int top = 0;
        for (int r = 0; r < cell.y(); ++r)
            top += heights[r];
        const QRect cellRect(left, top, widths[cell.x()], heights[cell.y()]);
        child->setGeometry(cellRect.marginsRemoved(AlignMarginsOf(child)));
    }
}

void GridPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}
