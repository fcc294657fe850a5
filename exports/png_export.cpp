#include "exports/png_export.h"

#include "exports/table_drawing.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr qreal kPictureMargin = 16;
constexpr qreal kPictureGap = 12;
constexpr int kPictureLegendColumns = 4;

}  // namespace

QImage reachMeTablePicture(int left, const ReelCellPictures& pictures)
{
    const QSizeF title = table_drawing::titleSize();
    const QSizeF grid = table_drawing::gridSize();
    const std::vector<table_drawing::LegendEntry> entries = table_drawing::legendOf(left);
    const QSizeF legend = table_drawing::legendSize(entries, kPictureLegendColumns);
    const qreal width = std::max({title.width(), grid.width(), legend.width()}) + 2 * kPictureMargin;
    const qreal height = title.height() + grid.height() + legend.height() + 2 * kPictureGap + 2 * kPictureMargin;
    QImage picture(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)), QImage::Format_RGB32);
    picture.fill(Qt::white);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPointF at(kPictureMargin, kPictureMargin);
    table_drawing::drawTitle(painter, at, left, pictures);
    at.ry() += title.height() + kPictureGap;
    table_drawing::drawGrid(painter, at, left, pictures);
    at.ry() += grid.height() + kPictureGap;
    table_drawing::drawLegend(painter, at, entries, kPictureLegendColumns);
    return picture;
}
