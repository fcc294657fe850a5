#include "windows/pieces/header_drawing.h"

#include "core/reels/symbols_in_words.h"
#include "ui/text.h"

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

qreal marginIn(const QFontMetricsF& metrics)
{
    return metrics.height() / 6;
}

qreal numberWidth(const QFontMetricsF& metrics)
{
    return metrics.horizontalAdvance(QStringLiteral("00"));
}

}  // namespace

QSizeF sectionSize(const QFont& font, Qt::Orientation orientation)
{
    const QFontMetricsF metrics(font);
    const qreal margin = marginIn(metrics);
    if (orientation == Qt::Horizontal)
        return {kColumnCells.width() + 2 * margin, metrics.height() + kColumnCells.height() + 3 * margin};
    return {numberWidth(metrics) + kRowCells.width() + 3 * margin, kRowCells.height() + 2 * margin};
}

void drawReelHeader(QPainter& painter, const QRectF& area, int position, const QImage& cells,
                    Qt::Orientation orientation)
{
    const QString number = QString::number(position);
    const QFontMetricsF metrics(painter.font());
    const qreal margin = marginIn(metrics);
    const QRectF inner = area.adjusted(margin, margin, -margin, -margin);
    QRectF numberArea = inner;
    QRectF cellsArea = inner;
    if (orientation == Qt::Horizontal) {
        numberArea.setHeight(metrics.height());
        cellsArea.setTop(numberArea.bottom() + margin);
    } else {
        numberArea.setWidth(numberWidth(metrics));
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

QString acrossName(const Axes& axes)
{
    return ui::qt(reel::nameOf(axes.across)) + QStringLiteral(" →");
}

QString downName(const Axes& axes)
{
    return ui::qt(reel::nameOf(axes.down)) + QStringLiteral(" ↓");
}

void drawAxisNames(QPainter& painter, const QRectF& corner, const Axes& axes)
{
    const QRectF text = corner.adjusted(6, 4, -6, -4);
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, acrossName(axes));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom, downName(axes));
}

}  // namespace header_drawing
