#pragma once

#include <QStyledItemDelegate>

// Draws a grid cell as the exported pages do: the group's mark on its colour
// in a thin frame. A selected cell keeps its colour and shows a frame of its
// own, so that the colour stays readable.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
