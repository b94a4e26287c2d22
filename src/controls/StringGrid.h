#pragma once

#include <QPainter>
#include <QTableView>

class StringGridModel;

// A read-only grid of texts addressed as (column, row). Row 0 is the fixed header row: it is shown as the
// view's header, and rows 1 to rowCount() - 1 are the data rows. Whole rows are selected; the user may
// drag column borders. Ctrl+C and the context menu's "Copy" put the selected rows on the clipboard as
// tab-separated text under a line of the column captions, ready to paste into a spreadsheet.
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

    // What each column holds, for the copied text and for screen readers; the header itself shows what
    // drawCell paints.
    QStringList columnCaptions() const;
    void setColumnCaptions(const QStringList& captions);
    // The selected data rows as the clipboard gets them.
    QString selectionAsText() const;
    void copySelection() const;

Q_SIGNALS:
    // A header cell has had its default drawing; the painter holds the header's font and text colour.
    void drawCell(QPainter* painter, int col, int row, const QRect& rect);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void tellCurrentCell();

    StringGridModel* m_model;
};
