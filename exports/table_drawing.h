#pragma once

#include "core/pairs/pair_verdict.h"
#include "windows/pieces/header_drawing.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;
class ReelCellPictures;

// The reach-me table drawn on paper or into a picture, the way the table
// window shows it: the title, the coloured grid with both headers, and the
// legend with its counts; for one left position's patterns, or for the
// pairs of one stop order. Sizes are in the window's pixels; a painter's
// scale makes them larger or smaller.
namespace table_drawing {

QSizeF titleSize();
void drawTitle(QPainter& painter, QPointF topLeft, int left, const ReelCellPictures& pictures);
// A title of words alone: the pairs' page's.
QSizeF titleSize(const QString& title);
void drawTitle(QPainter& painter, QPointF topLeft, const QString& title);

// A cell of a grid: its face and mark.
struct CellFace {
    QColor face;
    QString mark;
};
// The cell at a row's and a column's position, each 1..21.
using CellAt = std::function<CellFace(int row, int column)>;

// Every grid is 21 by 21 cells with its headers.
QSizeF gridSize();
void drawGrid(QPainter& painter, QPointF topLeft, const ReelCellPictures& pictures, const header_drawing::Axes& axes,
              const CellAt& cellAt);
// The patterns of a left position: center down, right across.
void drawGrid(QPainter& painter, QPointF topLeft, int left, const ReelCellPictures& pictures);
// The pairs of an order: left down, the second reel across.
void drawPairGrid(QPainter& painter, QPointF topLeft, StopOrder order, const ReelCellPictures& pictures);

// A line of the legend: the mark on its face, the caption, the count.
struct LegendEntry {
    CellFace look;
    QString caption;
    int count;
};
// The outcome groups counted over a left position's patterns, and the
// verdicts over an order's pairs.
std::vector<LegendEntry> legendOf(int left);
std::vector<LegendEntry> pairLegendOf(StopOrder order);

// The legend in rows of `columns` entries.
QSizeF legendSize(const std::vector<LegendEntry>& entries, int columns);
void drawLegend(QPainter& painter, QPointF topLeft, const std::vector<LegendEntry>& entries, int columns);

}  // namespace table_drawing
