#include "exports/table_drawing.h"

#include "core/evaluation/judgement.h"
#include "core/outcome_groups.h"
#include "core/reach_me_patterns.h"
#include "ui/text.h"
#include "windows/pieces/cell_look.h"
#include "windows/pieces/header_drawing.h"
#include "windows/pieces/marked_box.h"
#include "windows/pieces/reel_cell_pictures.h"
#include "windows/pieces/table_fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace table_drawing {

namespace {

constexpr QSizeF kCell(30, 22);
constexpr QSizeF kLeftCells(50, 95);
constexpr qreal kGap = 12;
constexpr QSizeF kSwatch(28, 20);
const QColor kLine(160, 160, 160);
const QColor kHeaderFace(236, 236, 236);

using ui::qt;

void drawBox(QPainter& painter, const QRectF& box, const QColor& face)
{
    painter.setPen(QPen(kLine, 1));
    painter.setBrush(face);
    painter.drawRect(box);
}

qreal legendColumnWidth()
{
    const QFontMetricsF metrics(tableFont());
    qreal caption = 0;
    for (const OutcomeGroup& group : kOutcomeGroups)
        caption = std::max(caption, metrics.horizontalAdvance(qt(group.caption)));
    return kSwatch.width() + 6 + caption + 6 + metrics.horizontalAdvance(QStringLiteral("000")) + kGap * 2;
}

int legendRows(int columns)
{
    return (static_cast<int>(kOutcomeGroups.size()) + columns - 1) / columns;
}

}  // namespace

QSizeF titleSize()
{
    return {kLeftCells.width() + kGap + QFontMetricsF(tableTitleFont()).horizontalAdvance(QStringLiteral("左リール 00")),
            kLeftCells.height()};
}

void drawTitle(QPainter& painter, QPointF topLeft, int left, const ReelCellPictures& pictures)
{
    painter.save();
    const QRectF cells(topLeft, kLeftCells);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(cells, pictures.stacked(reel::Left, left));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cells);
    painter.setFont(tableTitleFont());
    painter.drawText(QRectF(cells.right() + kGap, cells.top(), titleSize().width(), cells.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("左リール %1").arg(left));
    painter.restore();
}

QSizeF gridSize()
{
    const QSizeF column = header_drawing::sectionSize(tableFont(), Qt::Horizontal);
    const QSizeF row = header_drawing::sectionSize(tableFont(), Qt::Vertical);
    return {row.width() + reel::kPositions * kCell.width(), column.height() + reel::kPositions * kCell.height()};
}

void drawGrid(QPainter& painter, QPointF topLeft, int left, const ReelCellPictures& pictures)
{
    painter.save();
    painter.setFont(tableFont());
    const qreal headerHeight = header_drawing::sectionSize(tableFont(), Qt::Horizontal).height();
    const qreal headerWidth = header_drawing::sectionSize(tableFont(), Qt::Vertical).width();
    const QPointF cells = topLeft + QPointF(headerWidth, headerHeight);
    // The corner says which reel runs which way, since paper has no tool tips.
    const QRectF corner(topLeft, QSizeF(headerWidth, headerHeight));
    drawBox(painter, corner, kHeaderFace);
    painter.setPen(Qt::black);
    header_drawing::drawAxisNames(painter, corner);
    for (int position = 1; position <= reel::kPositions; ++position) {
        const qreal across = cells.x() + (position - 1) * kCell.width();
        const qreal down = cells.y() + (position - 1) * kCell.height();
        const QRectF column(across, topLeft.y(), kCell.width(), headerHeight);
        const QRectF row(topLeft.x(), down, headerWidth, kCell.height());
        drawBox(painter, column, kHeaderFace);
        drawBox(painter, row, kHeaderFace);
        painter.setPen(Qt::black);
        header_drawing::drawReelHeader(painter, column, position, pictures.stacked(reel::Right, position),
                                       Qt::Horizontal);
        header_drawing::drawReelHeader(painter, row, position, pictures.sideBySide(reel::Center, position),
                                       Qt::Vertical);
    }
    for (int center = 1; center <= reel::kPositions; ++center)
        for (int right = 1; right <= reel::kPositions; ++right) {
            const char code = outcomeCodeOf({left, center, right});
            const QRectF cell(cells + QPointF((right - 1) * kCell.width(), (center - 1) * kCell.height()), kCell);
            drawMarkedBox(painter, cell, cell_look::backgroundOf(code), cell_look::markOf(code));
        }
    painter.restore();
}

QSizeF legendSize(int columns)
{
    return {legendColumnWidth() * columns - kGap * 2, legendRows(columns) * (kSwatch.height() + 6)};
}

void drawLegend(QPainter& painter, QPointF topLeft, int left, int columns)
{
    painter.save();
    painter.setFont(tableFont());
    const QFontMetricsF metrics(tableFont());
    const auto counts = patterns::groupCounts(left);
    const qreal countWidth = metrics.horizontalAdvance(QStringLiteral("000"));
    for (std::size_t index = 0; index < kOutcomeGroups.size(); ++index) {
        const OutcomeGroup& group = kOutcomeGroups[index];
        const QPointF at = topLeft + QPointF(static_cast<int>(index) % columns * legendColumnWidth(),
                                             static_cast<int>(index) / columns * (kSwatch.height() + 6));
        const QRectF swatch(at, kSwatch);
        drawMarkedBox(painter, swatch, QColor::fromRgb(group.colour), qt(group.mark));
        const qreal captionLeft = swatch.right() + 6;
        const qreal countLeft = at.x() + legendColumnWidth() - kGap * 2 - countWidth;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(captionLeft, at.y(), countLeft - captionLeft, kSwatch.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, qt(group.caption));
        painter.drawText(QRectF(countLeft, at.y(), countWidth, kSwatch.height()), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(counts[index]));
    }
    painter.restore();
}

}  // namespace table_drawing
