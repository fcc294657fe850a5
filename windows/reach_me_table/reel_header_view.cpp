#include "windows/reach_me_table/reel_header_view.h"

#include "windows/pieces/header_drawing.h"

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
    return header_drawing::sectionSize(font(), orientation()).toSize();
}
