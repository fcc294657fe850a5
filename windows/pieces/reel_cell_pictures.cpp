#include "windows/pieces/reel_cell_pictures.h"

#include "windows/pieces/strip_geometry.h"
#include "windows/pieces/visible_cells.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kRows = 3;

int cellEdge(int cell)
{
    return static_cast<int>(std::lround(strip::kCellPx * cell));
}

QImage laidSideBySide(const QImage& stacked)
{
    const int height = cellEdge(1);
    QImage row(stacked.width() * kRows, height, QImage::Format_RGB32);
    row.fill(Qt::white);
    QPainter painter(&row);
    for (int cell = 0; cell < kRows; ++cell)
        painter.drawImage(cell * stacked.width(), 0, stacked, 0, cellEdge(cell), stacked.width(),
                          cellEdge(cell + 1) - cellEdge(cell));
    return row;
}

}  // namespace

ReelCellPictures::ReelCellPictures(const std::array<QImage, 3>& strips) : strips_(strips) {}

ReelCellPictures ReelCellPictures::design()
{
    return ReelCellPictures({QImage(QStringLiteral(":/pictures/r1.bmp")), QImage(QStringLiteral(":/pictures/r2.bmp")),
                             QImage(QStringLiteral(":/pictures/r3.bmp"))});
}

const QImage& ReelCellPictures::stacked(reel::Reel which, int position) const
{
    QImage& cells = stacked_[which][static_cast<std::size_t>(position - 1)];
    if (cells.isNull())
        cells = visibleCells(strips_[which], position);
    return cells;
}

const QImage& ReelCellPictures::sideBySide(reel::Reel which, int position) const
{
    QImage& cells = sideBySide_[which][static_cast<std::size_t>(position - 1)];
    if (cells.isNull())
        cells = laidSideBySide(stacked(which, position));
    return cells;
}
