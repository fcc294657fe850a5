#include "windows/reach_me_table/cell_delegate.h"

#include "windows/pieces/marked_box.h"

#include <QBrush>
#include <QPainter>

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setFont(option.font);
    // Neighbouring cells share their frame lines, as on paper.
    drawMarkedBox(*painter, QRectF(option.rect).translated(-0.5, -0.5),
                  index.data(Qt::BackgroundRole).value<QBrush>().color(), index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_Selected) {
        const QRect frame = option.rect.adjusted(1, 1, -2, -2);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(Qt::black, 3));
        painter->drawRect(frame);
        painter->setPen(QPen(Qt::white, 1));
        painter->drawRect(frame);
    }
    painter->restore();
}
