#pragma once

#include <QTableView>

class StringGridModel;

// A read-only grid of texts addressed as (column, row). Row 0 is the fixed header row: it is shown as the
// view's header, and rows 1 to rowCount() - 1 are the data rows. Whole rows are selected; the user may
// drag column borders.
class StringGrid : public QTableView
{
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent = nullptr);

    int colCount() const;
    int rowCount() const;
    void setRowCount(int rows);
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int defaultRowHeight() const;
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    // Width of the lines between columns; a column's width excludes its line.
    int gridLineWidth() const { return 1; }
    // The width the columns share: the view's inside, without frame and scroll bar.
    int clientWidth() const;

private:
    StringGridModel* m_model;
};
