#include "exports/pdf_export.h"

#include "core/reach_me_patterns.h"
#include "exports/table_drawing.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kDotsPerInch = 96;  // the window's pixels, so that sizes match the screen's
constexpr qreal kPageGap = 24;
constexpr int kPageLegendColumns = 1;

// Title on top; grid on the left, legend beside it; scaled to fill the page.
void drawPage(QPainter& painter, const QRectF& page, int left, const ReelCellPictures& pictures)
{
    const QSizeF title = table_drawing::titleSize();
    const QSizeF grid = table_drawing::gridSize();
    const QSizeF legend = table_drawing::legendSize(kPageLegendColumns);
    const QSizeF content(std::max(title.width(), grid.width() + kPageGap + legend.width()),
                         title.height() + kPageGap + grid.height());
    const qreal scale = std::min(page.width() / content.width(), page.height() / content.height());

    painter.save();
    painter.translate(page.left() + (page.width() - content.width() * scale) / 2, page.top());
    painter.scale(scale, scale);
    table_drawing::drawTitle(painter, QPointF(0, 0), left, pictures);
    const qreal gridTop = title.height() + kPageGap;
    table_drawing::drawGrid(painter, QPointF(0, gridTop), left, pictures);
    table_drawing::drawLegend(painter, QPointF(grid.width() + kPageGap, gridTop), left, kPageLegendColumns);
    painter.restore();
}

}  // namespace

bool writeReachMeTablePdf(QIODevice& device, const ReelCellPictures& pictures)
{
    QPdfWriter writer(&device);
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("リーチ目表"));
    writer.setCreator(QStringLiteral("カレト職人養成マシーン"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF page(QPointF(0, 0), writer.pageLayout().paintRectPixels(kDotsPerInch).size());
    for (int left = 1; left <= reel::kPositions; ++left) {
        if (left > 1 && !writer.newPage())
            return false;
        drawPage(painter, page, left, pictures);
    }
    return painter.end();
}
