#pragma once

#include <QPointF>
#include <QSizeF>

class QPainter;
class ReelCellPictures;

// The reach-me table of one left position drawn on paper or into a picture,
// the way the table window shows it: the title with the left reel's cells,
// the coloured grid with both headers, and the legend with its counts. Sizes
// are in the window's pixels; a painter's scale makes them larger or smaller.
namespace table_drawing {

QSizeF titleSize();
void drawTitle(QPainter& painter, QPointF topLeft, int left, const ReelCellPictures& pictures);

QSizeF gridSize();
void drawGrid(QPainter& painter, QPointF topLeft, int left, const ReelCellPictures& pictures);

// The legend in rows of `columns` groups.
QSizeF legendSize(int columns);
void drawLegend(QPainter& painter, QPointF topLeft, int left, int columns);

}  // namespace table_drawing
