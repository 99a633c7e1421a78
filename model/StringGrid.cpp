#include "model/StringGrid.h"

StringGrid::StringGrid(int colCount, int rowCount, QObject *parent)
    : QAbstractTableModel(parent), m_cols(colCount), m_rows(rowCount), m_cells(colCount * rowCount)
{
}

const QString &StringGrid::Cells(int col, int row) const
{
    return m_cells[row * m_cols + col];
}

void StringGrid::setCell(int col, int row, const QString &text)
{
    QString &cell = m_cells[row * m_cols + col];
    if (cell == text)
        return;
    cell = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

int StringGrid::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int StringGrid::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant StringGrid::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return Cells(index.column(), index.row());
}
