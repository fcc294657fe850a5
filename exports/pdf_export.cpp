#include "exports/pdf_export.h"

#include "core/reach_me_patterns.h"
#include "exports/table_drawing.h"
#include "windows/pieces/pair_look.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <functional>

namespace {

constexpr int kDotsPerInch = 96;  // the window's pixels, so that sizes match the screen's
constexpr qreal kPageGap = 24;
constexpr int kPageLegendColumns = 1;

// Title on top; grid on the left, legend beside it; scaled to fill the page.
void drawPage(QPainter& painter, const QRectF& page, const QSizeF& title, const std::function<void(QPointF)>& drawTitle,
              const std::function<void(QPointF)>& drawGrid, const std::vector<table_drawing::LegendEntry>& legend)
{
    const QSizeF grid = table_drawing::gridSize();
    const QSizeF legendSize = table_drawing::legendSize(legend, kPageLegendColumns);
    const QSizeF content(std::max(title.width(), grid.width() + kPageGap + legendSize.width()),
                         title.height() + kPageGap + grid.height());
    const qreal scale = std::min(page.width() / content.width(), page.height() / content.height());

    painter.save();
    painter.translate(page.left() + (page.width() - content.width() * scale) / 2, page.top());
    painter.scale(scale, scale);
    drawTitle(QPointF(0, 0));
    const qreal gridTop = title.height() + kPageGap;
    drawGrid(QPointF(0, gridTop));
    table_drawing::drawLegend(painter, QPointF(grid.width() + kPageGap, gridTop), legend, kPageLegendColumns);
    painter.restore();
}

void drawLeftPage(QPainter& painter, const QRectF& page, int left, const ReelCellPictures& pictures)
{
    drawPage(
        painter, page, table_drawing::titleSize(),
        [&](QPointF at) { table_drawing::drawTitle(painter, at, left, pictures); },
        [&](QPointF at) { table_drawing::drawGrid(painter, at, left, pictures); }, table_drawing::legendOf(left));
}

void drawPairPage(QPainter& painter, const QRectF& page, StopOrder order, const ReelCellPictures& pictures)
{
    const QString title = QStringLiteral("2確目　") + pair_look::orderText(order);
    drawPage(
        painter, page, table_drawing::titleSize(title), [&](QPointF at) { table_drawing::drawTitle(painter, at, title); },
        [&](QPointF at) { table_drawing::drawPairGrid(painter, at, order, pictures); },
        table_drawing::pairLegendOf(order));
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
        drawLeftPage(painter, page, left, pictures);
    }
    for (StopOrder order : kStopOrders) {
        if (!writer.newPage())
            return false;
        drawPairPage(painter, page, order, pictures);
    }
    return painter.end();
}
