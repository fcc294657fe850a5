#include "reach_me_table/cell_delegate.h"

#include <QPainter>

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_Selected))
        return;
    painter->save();
    const QRect frame = option.rect.adjusted(1, 1, -2, -2);
    painter->setPen(QPen(Qt::black, 3));
    painter->drawRect(frame);
    painter->setPen(QPen(Qt::white, 1));
    painter->drawRect(frame);
    painter->restore();
}
