#include "exports/png_export.h"

#include "exports/table_drawing.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr qreal kMargin = 16;
constexpr qreal kGap = 12;
constexpr int kLegendColumns = 4;

}  // namespace

QImage reachMeTablePicture(int left, const ReelCellPictures& pictures)
{
    const QSizeF title = table_drawing::titleSize();
    const QSizeF grid = table_drawing::gridSize();
    const QSizeF legend = table_drawing::legendSize(kLegendColumns);
    const qreal width = std::max({title.width(), grid.width(), legend.width()}) + 2 * kMargin;
    const qreal height = title.height() + grid.height() + legend.height() + 2 * kGap + 2 * kMargin;
    QImage picture(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)), QImage::Format_RGB32);
    picture.fill(Qt::white);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPointF at(kMargin, kMargin);
    table_drawing::drawTitle(painter, at, left, pictures);
    at.ry() += title.height() + kGap;
    table_drawing::drawGrid(painter, at, left, pictures);
    at.ry() += grid.height() + kGap;
    table_drawing::drawLegend(painter, at, left, kLegendColumns);
    return picture;
}
