#pragma once
#include <QAbstractTableModel>
#include <QVector>

// A fixed-size grid of cell texts, addressed (column, row) as the window's string
// grids are. Row 0 and column 0 hold captions. The grid views display it; the
// conversions to and from the image read and write it directly.
class StringGrid : public QAbstractTableModel
{
    Q_OBJECT
public:
    StringGrid(int colCount, int rowCount, QObject *parent = nullptr);

    int ColCount() const { return m_cols; }
    int RowCount() const { return m_rows; }

    const QString &Cells(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    int m_cols;
    int m_rows;
    QVector<QString> m_cells;
};
