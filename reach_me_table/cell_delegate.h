#pragma once

#include <QStyledItemDelegate>

// Draws a grid cell on its group's colour even when it is selected: the
// selection shows as a frame around the cell, so the colour stays readable.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
