#pragma once

#include <QVector>
#include <QWidget>

// A panel split into columns and rows by percentages of its size. Each child names its cell with the
// dynamic property "cell" ("column,row") and may ask for margins with "alignMargins" ("l,t,r,b"); it fills
// its cell. A column of 0 % takes no room.
class GridPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString columns READ columns WRITE setColumns)
    Q_PROPERTY(QString rows READ rows WRITE setRows)

public:
    explicit GridPanel(QWidget* parent = nullptr);

    QString columns() const;
    void setColumns(const QString& percents);
    QString rows() const;
    void setRows(const QString& percents);

    double columnPercent(int column) const { return m_columns.value(column); }
    void setColumnPercent(int column, double percent);

    // Places every child in its cell now, visible or not.
    void arrange();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QVector<double> m_columns{100};
    QVector<double> m_rows{100};
};

// Splits ATotal pixels by percentages: each edge is rounded from the running sum, so the parts always add
// up to ATotal when the percentages add up to 100.
QVector<int> SplitByPercent(int ATotal, const QVector<double>& APercents);
