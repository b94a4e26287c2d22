#include "controls/StringGrid.h"

#include <QAbstractTableModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int ColumnCount = 5;
constexpr int DefaultRowHeight = 24;
} // namespace

// Holds the texts of every row, the header row included; the view shows rows 1 and up as its rows.
class StringGridModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    int gridRows() const { return m_rows; }
    void setGridRows(int rows)
    {
        rows = std::max(rows, 1);
        if (rows == m_rows)
            return;
        beginResetModel();
        m_rows = rows;
        m_cells.resize(qsizetype(rows) * ColumnCount);
        endResetModel();
    }
    QString cell(int col, int row) const
    {
        return inRange(col, row) ? m_cells[qsizetype(row) * ColumnCount + col] : QString();
    }
    void setCell(int col, int row, const QString& text)
    {
        if (!inRange(col, row))
            return;
        m_cells[qsizetype(row) * ColumnCount + col] = text;
        if (row > 0) {
            const QModelIndex changedIndex = index(row - 1, col);
            Q_EMIT dataChanged(changedIndex, changedIndex, {Qt::DisplayRole});
        }
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows - 1; }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return cell(index.column(), index.row() + 1);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        // The first column names the row: a screen reader going down it hears "Year 3", not "3".
        if (role == Qt::AccessibleTextRole && index.column() == 0)
            return rowName(index.row());
        // Screen readers name a cell's column only when the column changes and its row only when the row
        // does, and read a whole row on entering it; moving along a row, the figure says its year itself.
        if (role == Qt::AccessibleDescriptionRole && index.column() > 0)
            return rowName(index.row());
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        // The hidden row header names each row for screen readers, as the first column does on screen.
        if (orientation == Qt::Vertical)
            return role == Qt::AccessibleTextRole ? rowName(section) : QVariant();
        if (role == Qt::DisplayRole)
            return cell(section, 0);
        // The captions are painted, not stored in row 0; screen readers get them as the header's text.
        if (role == Qt::AccessibleTextRole)
            return m_captions.value(section);
        return {};
    }
    QStringList captions() const { return m_captions; }
    void setCaptions(const QStringList& captions)
    {
        m_captions = captions;
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    }
    // A data row as a listener hears it named: "Year 3".
    QVariant rowName(int row) const
    {
        if (m_captions.isEmpty())
            return {};
        return m_captions.first() + u' ' + cell(0, row + 1);
    }

private:
    bool inRange(int col, int row) const { return col >= 0 && col < ColumnCount && row >= 0 && row < m_rows; }

    int m_rows = 1;
    QVector<QString> m_cells = QVector<QString>(ColumnCount);
    QStringList m_captions;
};

// The header row: drawn as the style draws a header, then handed to the grid's drawCell for its captions.
class StringGridHeader : public QHeaderView
{
public:
    explicit StringGridHeader(StringGrid* grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid) {}

    // The header row is as high as the grid makes it, never as its captions would ask: measuring every
    // section for a size nobody uses is what a header spends most of its time on while a window builds.
    QSize sizeHint() const override { return {length(), height()}; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        painter->save();
        painter->setFont(font());
        painter->setPen(palette().color(QPalette::ButtonText));
        Q_EMIT m_grid->drawCell(painter, logicalIndex, 0, rect);
        painter->restore();
    }

private:
    StringGrid* m_grid;
};

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), m_model(new StringGridModel(this))
{
    setHorizontalHeader(new StringGridHeader(this));
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(DefaultRowHeight);
}

int StringGrid::colCount() const
{
    return ColumnCount;
}

int StringGrid::rowCount() const
{
    return m_model->gridRows();
}

void StringGrid::setRowCount(int rows)
{
    m_model->setGridRows(rows);
}

QString StringGrid::cell(int col, int row) const
{
    return m_model->cell(col, row);
}

void StringGrid::setCell(int col, int row, const QString& text)
{
    m_model->setCell(col, row, text);
}

// A header section holds its column and the line to its right; the last line falls outside the view.
int StringGrid::colWidth(int col) const
{
    const int section = horizontalHeader()->sectionSize(col);
    return col < ColumnCount - 1 ? section - gridLineWidth() : section;
}

void StringGrid::setColWidth(int col, int width)
{
    if (col < 0 || col >= ColumnCount)
        return;
    const int line = col < ColumnCount - 1 ? gridLineWidth() : 0;
    horizontalHeader()->resizeSection(col, std::max(width, 0) + line);
}

int StringGrid::defaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

int StringGrid::rowHeight(int row) const
{
    return row == 0 ? horizontalHeader()->height() : defaultRowHeight();
}

void StringGrid::setRowHeight(int row, int height)
{
    if (row == 0) {
        horizontalHeader()->setFixedHeight(height);
        // The view sets its rows below the header only when told to; a taller header would cover the first
        // row.
        updateGeometries();
    }
}

int StringGrid::clientWidth() const
{
    return viewport()->width();
}

QStringList StringGrid::columnCaptions() const
{
    return m_model->captions();
}

void StringGrid::setColumnCaptions(const QStringList& captions)
{
    m_model->setCaptions(captions);
}

QString StringGrid::selectionAsText() const
{
    QStringList lines{columnCaptions().join(u'\t')};
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    for (const QModelIndex& index : rows) {
        QStringList cells;
        for (int col = 0; col < ColumnCount; ++col)
            cells.append(cell(col, index.row() + 1));
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n') + u'\n';
}

void StringGrid::copySelection() const
{
    if (selectionModel()->hasSelection())
        QApplication::clipboard()->setText(selectionAsText());
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void StringGrid::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("Copy"), this, &StringGrid::copySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selectionModel()->hasSelection());
    menu.exec(event->globalPos());
}

void StringGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    // The view names its current cell to assistive technology while it takes the focus, before the window
    // names the view itself, so screen readers drop the cell and never say where the user is; once the
    // focus has settled, the cell is named again.
    QTimer::singleShot(0, this, &StringGrid::tellCurrentCell);
}

void StringGrid::tellCurrentCell()
{
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid() || !QAccessible::isActive())
        return;
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(this)->tableInterface();
    if (QAccessibleInterface* cell = table ? table->cellAt(current.row(), current.column()) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}
