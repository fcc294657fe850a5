#include "windows/pieces/visible_cells.h"

#include "windows/pieces/strip_geometry.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kRowsShown = 3;

int pixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace

QImage visibleCells(const QImage& strip, int position)
{
    // The strip's k-th cell from its top holds reel cell k for k = 1..20, so
    // the upper row at position p starts p cells down the picture.
    const int top = pixels(strip::kCellPitch * position);
    const int bottom = pixels(strip::kCellPitch * (position + kRowsShown));
    if (top >= 0 && bottom <= strip.height())
        return strip.copy(0, top, strip.width(), bottom - top).convertToFormat(QImage::Format_RGB32);
    QImage cells(strip.width() > 0 ? strip.width() : pixels(1500), bottom - top, QImage::Format_RGB32);
    cells.fill(Qt::white);
    QPainter painter(&cells);
    painter.drawImage(0, 0, strip, 0, top, cells.width(), cells.height());
    return cells;
}
