#include "reach_me_table/reel_header_view.h"

#include "reach_me_table/header_drawing.h"

#include <QPainter>

ReelHeaderView::ReelHeaderView(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent)
{
    setSectionsClickable(false);
    setHighlightSections(true);
}

void ReelHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    // The style draws the section's frame and face; the number and the cells
    // go on top of it.
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

    const QImage cells = model()->headerData(logicalIndex, orientation(), Qt::DecorationRole).value<QImage>();
    painter->save();
    painter->setPen(palette().color(QPalette::ButtonText));
    const int position = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toInt();
    header_drawing::drawReelHeader(*painter, rect, position, cells, orientation());
    painter->restore();
}

QSize ReelHeaderView::sectionSizeFromContents(int) const
{
    const QFontMetrics metrics(font());
    const int margin = metrics.height() / 6;
    if (orientation() == Qt::Horizontal)
        return QSize(qRound(header_drawing::kColumnCells.width()) + 2 * margin,
                     metrics.height() + qRound(header_drawing::kColumnCells.height()) + 3 * margin);
    return QSize(metrics.horizontalAdvance(QStringLiteral("00")) + qRound(header_drawing::kRowCells.width()) + 3 * margin,
                 qRound(header_drawing::kRowCells.height()) + 2 * margin);
}
