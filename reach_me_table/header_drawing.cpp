#include "reach_me_table/header_drawing.h"

#include <QFontMetricsF>
#include <QPainter>

namespace header_drawing {

namespace {

// The largest rectangle of the picture's shape that fits the area, centred in it.
QRectF fitted(const QSizeF& picture, const QRectF& area)
{
    const QSizeF size = picture.scaled(area.size(), Qt::KeepAspectRatio);
    QRectF placed(QPointF(), size);
    placed.moveCenter(area.center());
    return placed;
}

}  // namespace

void drawReelHeader(QPainter& painter, const QRectF& area, int position, const QImage& cells,
                    Qt::Orientation orientation)
{
    const QString number = QString::number(position);
    const QFontMetricsF metrics(painter.font());
    const qreal margin = metrics.height() / 6;
    const QRectF inner = area.adjusted(margin, margin, -margin, -margin);
    QRectF numberArea = inner;
    QRectF cellsArea = inner;
    if (orientation == Qt::Horizontal) {
        numberArea.setHeight(metrics.height());
        cellsArea.setTop(numberArea.bottom() + margin);
    } else {
        numberArea.setWidth(metrics.horizontalAdvance(QStringLiteral("00")));
        cellsArea.setLeft(numberArea.right() + margin);
    }
    painter.drawText(numberArea, Qt::AlignCenter, number);
    if (!cells.isNull() && cellsArea.isValid()) {
        const QPainter::RenderHints hints = painter.renderHints();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitted(cells.size(), cellsArea), cells);
        painter.setRenderHints(hints);
    }
}

}  // namespace header_drawing
