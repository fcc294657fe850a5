#pragma once

#include "core/reels/reel_cells.h"

#include <QImage>
#include <QRectF>
#include <QString>

class QFont;
class QPainter;

// A header of the reach-me table: a reel's upper-row position and the three
// cells the reel shows there, above one another in a column's header, in a
// row beside the number in a row's header. The window's headers and the
// exported pages draw them alike.
namespace header_drawing {

// The size the cells are shown at in the window's headers.
inline constexpr QSizeF kColumnCells{30, 57};
inline constexpr QSizeF kRowCells{90, 19};

// The size a header section needs in the given face.
QSizeF sectionSize(const QFont& font, Qt::Orientation orientation);

void drawReelHeader(QPainter& painter, const QRectF& area, int position, const QImage& cells,
                    Qt::Orientation orientation);

// Which reel a grid's columns run across and its rows down: the right and
// the center reel for a left position's patterns.
struct Axes {
    reel::Reel across = reel::Right;
    reel::Reel down = reel::Center;
};

// "右リール →" and "中リール ↓".
QString acrossName(const Axes& axes);
QString downName(const Axes& axes);

// The corner where the headers meet names which reel runs which way.
void drawAxisNames(QPainter& painter, const QRectF& corner, const Axes& axes);

}  // namespace header_drawing
