#include "windows/pieces/spinning_reel_view.h"

#include "core/reels/symbols_in_words.h"
#include "ui/text.h"
#include "windows/pieces/strip_geometry.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kRowsShown = 3;

}  // namespace

SpinningReelView::SpinningReelView(reel::Reel reel, QImage strip, std::function<std::int64_t()> clockUs, QWidget* parent)
    : QWidget(parent), reel_(reel), strip_(std::move(strip)), clockUs_(std::move(clockUs))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
    setAccessibleName(ui::qt(reel::nameOf(reel)));
    standAt(1);
}

QSize SpinningReelView::sizeHint() const
{
    return {strip::kWidthPx, static_cast<int>(std::lround(strip::kCellPx * kRowsShown))};
}

void SpinningReelView::standAt(int upperPosition)
{
    spinning_ = false;
    standing_ = upperPosition;
    setAccessibleDescription(ui::qt(reel::reelInWords(reel_, upperPosition)));
    update();
}

void SpinningReelView::spin(const timing::ReelSpin& spin)
{
    spin_ = spin;
    if (!spinning_)
        setAccessibleDescription(QStringLiteral("回転中"));
    spinning_ = true;
    update();
}

int SpinningReelView::upperPosition() const
{
    return spinning_ ? spin_.upperPositionAt(clockUs_()) : standing_;
}

void SpinningReelView::markRow(std::optional<timing::Row> row)
{
    markedRow_ = row;
    update();
}

void SpinningReelView::paintEvent(QPaintEvent*)
{
    const std::int64_t now = spinning_ ? clockUs_() : 0;
    const double turned = spinning_ ? spin_.exactCellsTurned(now) : 0;
    // The upper row's position as a real number in [1, 22): the strip holds
    // cell 21 above cell 1 and cells 1 to 3 again below cell 21, so every
    // such place shows three whole cells.
    double position = (spinning_ ? spin_.startPosition : standing_) - std::fmod(turned, reel::kPositions);
    if (position < 1)
        position += reel::kPositions;
    const int top = static_cast<int>(std::lround(-position * strip::kCellPx));

    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, top, strip_);

    painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
    for (int row = 1; row < kRowsShown; ++row) {
        const int y = static_cast<int>(std::lround(row * strip::kCellPx));
        painter.drawLine(0, y, width(), y);
    }
    if (markedRow_) {
        const int row = *markedRow_;
        const int rowTop = static_cast<int>(std::lround(row * strip::kCellPx));
        const int rowBottom = static_cast<int>(std::lround((row + 1) * strip::kCellPx));
        painter.setPen(QPen(QColor(0xd0, 0x10, 0x10), 3));
        painter.drawRect(QRect(1, rowTop + 1, width() - 3, rowBottom - rowTop - 3));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    if (spinning_)
        emit framePainted(now, turned + (position + top / strip::kCellPx));
}

void SpinningReelView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(event->timestamp());
    QWidget::mousePressEvent(event);
}
