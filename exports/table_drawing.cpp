#include "exports/table_drawing.h"

#include "core/evaluation/judgement.h"
#include "core/outcome_groups.h"
#include "core/reach_me_patterns.h"
#include "ui/text.h"
#include "windows/pieces/cell_look.h"
#include "windows/pieces/header_drawing.h"
#include "windows/pieces/marked_box.h"
#include "windows/pieces/pair_look.h"
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

qreal legendColumnWidth(const std::vector<LegendEntry>& entries)
{
    const QFontMetricsF metrics(tableFont());
    qreal caption = 0;
    for (const LegendEntry& entry : entries)
        caption = std::max(caption, metrics.horizontalAdvance(entry.caption));
    return kSwatch.width() + 6 + caption + 6 + metrics.horizontalAdvance(QStringLiteral("000")) + kGap * 2;
}

int legendRows(const std::vector<LegendEntry>& entries, int columns)
{
    return (static_cast<int>(entries.size()) + columns - 1) / columns;
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

QSizeF titleSize(const QString& title)
{
    const QFontMetricsF metrics(tableTitleFont());
    return {metrics.horizontalAdvance(title), metrics.height()};
}

void drawTitle(QPainter& painter, QPointF topLeft, const QString& title)
{
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(tableTitleFont());
    painter.drawText(QRectF(topLeft, titleSize(title)), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
}

QSizeF gridSize()
{
    const QSizeF column = header_drawing::sectionSize(tableFont(), Qt::Horizontal);
    const QSizeF row = header_drawing::sectionSize(tableFont(), Qt::Vertical);
    return {row.width() + reel::kPositions * kCell.width(), column.height() + reel::kPositions * kCell.height()};
}

void drawGrid(QPainter& painter, QPointF topLeft, const ReelCellPictures& pictures, const header_drawing::Axes& axes,
              const CellAt& cellAt)
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
    header_drawing::drawAxisNames(painter, corner, axes);
    for (int position = 1; position <= reel::kPositions; ++position) {
        const qreal x = cells.x() + (position - 1) * kCell.width();
        const qreal y = cells.y() + (position - 1) * kCell.height();
        const QRectF column(x, topLeft.y(), kCell.width(), headerHeight);
        const QRectF row(topLeft.x(), y, headerWidth, kCell.height());
        drawBox(painter, column, kHeaderFace);
        drawBox(painter, row, kHeaderFace);
        painter.setPen(Qt::black);
        header_drawing::drawReelHeader(painter, column, position, pictures.stacked(axes.across, position), Qt::Horizontal);
        header_drawing::drawReelHeader(painter, row, position, pictures.sideBySide(axes.down, position), Qt::Vertical);
    }
    for (int row = 1; row <= reel::kPositions; ++row)
        for (int column = 1; column <= reel::kPositions; ++column) {
            const CellFace face = cellAt(row, column);
            const QRectF cell(cells + QPointF((column - 1) * kCell.width(), (row - 1) * kCell.height()), kCell);
            drawMarkedBox(painter, cell, face.face, face.mark);
        }
    painter.restore();
}

void drawGrid(QPainter& painter, QPointF topLeft, int left, const ReelCellPictures& pictures)
{
    drawGrid(painter, topLeft, pictures, {}, [left](int center, int right) {
        const char code = outcomeCodeOf({left, center, right});
        return CellFace{cell_look::backgroundOf(code), cell_look::markOf(code)};
    });
}

void drawPairGrid(QPainter& painter, QPointF topLeft, StopOrder order, const ReelCellPictures& pictures)
{
    drawGrid(painter, topLeft, pictures, pair_look::axesOf(order), [order](int left, int second) {
        const PairVerdict verdict = readPair(order, {left, second}).verdict;
        return CellFace{pair_look::backgroundOf(verdict), pair_look::markOf(verdict)};
    });
}

std::vector<LegendEntry> legendOf(int left)
{
    const auto counts = patterns::groupCounts(left);
    std::vector<LegendEntry> entries;
    for (std::size_t index = 0; index < kOutcomeGroups.size(); ++index) {
        const OutcomeGroup& group = kOutcomeGroups[index];
        entries.push_back({{QColor::fromRgb(group.colour), qt(group.mark)}, qt(group.caption), counts[index]});
    }
    return entries;
}

std::vector<LegendEntry> pairLegendOf(StopOrder order)
{
    const auto counts = verdictCounts(order);
    std::vector<LegendEntry> entries;
    for (PairVerdict verdict : kPairVerdicts)
        entries.push_back({{pair_look::backgroundOf(verdict), pair_look::markOf(verdict)}, pair_look::captionOf(verdict),
                           counts[static_cast<std::size_t>(verdictIndexOf(verdict))]});
    return entries;
}

QSizeF legendSize(const std::vector<LegendEntry>& entries, int columns)
{
    return {legendColumnWidth(entries) * columns - kGap * 2, legendRows(entries, columns) * (kSwatch.height() + 6)};
}

void drawLegend(QPainter& painter, QPointF topLeft, const std::vector<LegendEntry>& entries, int columns)
{
    painter.save();
    painter.setFont(tableFont());
    const QFontMetricsF metrics(tableFont());
    const qreal columnWidth = legendColumnWidth(entries);
    const qreal countWidth = metrics.horizontalAdvance(QStringLiteral("000"));
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const LegendEntry& entry = entries[index];
        const QPointF at = topLeft + QPointF(static_cast<int>(index) % columns * columnWidth,
                                             static_cast<int>(index) / columns * (kSwatch.height() + 6));
        const QRectF swatch(at, kSwatch);
        drawMarkedBox(painter, swatch, entry.look.face, entry.look.mark);
        const qreal captionLeft = swatch.right() + 6;
        const qreal countLeft = at.x() + columnWidth - kGap * 2 - countWidth;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(captionLeft, at.y(), countLeft - captionLeft, kSwatch.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.caption);
        painter.drawText(QRectF(countLeft, at.y(), countWidth, kSwatch.height()), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(entry.count));
    }
    painter.restore();
}

}  // namespace table_drawing
