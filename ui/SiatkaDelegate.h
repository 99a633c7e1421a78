#pragma once
#include <QStyledItemDelegate>
#include <functional>

// Hands the painting of every cell of a string grid to its window's DrawCell handler.
class SiatkaDelegate : public QStyledItemDelegate
{
public:
    using DrawCell = std::function<void(QPainter *, int col, int row, const QRect &rect)>;
    SiatkaDelegate(DrawCell drawCell, QObject *parent)
        : QStyledItemDelegate(parent), m_drawCell(std::move(drawCell)) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        m_drawCell(painter, index.column(), index.row(), option.rect);
    }

private:
    DrawCell m_drawCell;
};
