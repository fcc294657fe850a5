#include "windows/timing/press_still.h"

#include "core/reels/positions.h"
#include "core/timing/press_result.h"
#include "ui/text.h"
#include "windows/pieces/strip_geometry.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Cell n's top lies n cells down the strip picture.
constexpr double kStillScale = 0.6;
constexpr double kStillCellPx = strip::kCellPx * kStillScale;
constexpr int kStillCells = 5;  // the target and two cells either side
constexpr double kStillReach = (kStillCells - 1) / 2.0;  // a dashed frame's middle stays within this
constexpr int kStillWidth = static_cast<int>(strip::kWidthPx * kStillScale);
constexpr int kStillPictureHeight = static_cast<int>(kStillCellPx * kStillCells + 0.5);

const QColor kStillTargetFrame(0xd0, 0x10, 0x10);  // as the reel frames the target's row
const QColor kStillPressFrame(0x10, 0x40, 0xc0);

}  // namespace

PressStill::PressStill(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("押した位置"));
    setToolTip(QStringLiteral("赤い枠: 目標　青い点線: 押した瞬間の枠の位置（半コマ先）\n点線が赤い枠に重なれば理想のタイミング、上なら遅い、下なら早い"));
    setFixedSize(sizeHint());
    clear();
}

QSize PressStill::sizeHint() const
{
    const int caption = fontMetrics().horizontalAdvance(QStringLiteral("0.0 コマ早い")) + 4;
    return {std::max(kStillWidth, caption), kStillPictureHeight + fontMetrics().height() + 4};
}

void PressStill::showPress(const QImage& strip, int targetCell, double offsetCells)
{
    strip_ = strip;
    targetCell_ = targetCell;
    offsetCells_ = offsetCells;
    setAccessibleDescription(QStringLiteral("目標から ") + ui::qt(timing::cellsOffText(offsetCells)));
    update();
}

void PressStill::clear()
{
    targetCell_ = 0;
    setAccessibleDescription(QStringLiteral("まだありません"));
    update();
}

double PressStill::drawnOffsetCells() const
{
    return std::clamp(offsetCells_, -kStillReach, kStillReach);
}

void PressStill::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const double left = (width() - kStillWidth) / 2;
    const QRectF picture(left, 0, kStillWidth, kStillPictureHeight);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.fillRect(picture, Qt::white);
    if (targetCell_ == 0) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(picture.adjusted(0, 0, -1, -1));
        return;
    }

    painter.save();
    painter.setClipRect(picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double middle = picture.center().y();
    // Down the still as down the reel: each cell's neighbour below is the next higher number.
    for (int k = -kStillCells / 2; k <= kStillCells / 2; ++k) {
        const int cell = (targetCell_ - 1 + k + reel::kPositions) % reel::kPositions + 1;
        painter.drawImage(QRectF(left, middle + (k - 0.5) * kStillCellPx, kStillWidth, kStillCellPx), strip_,
                          QRectF(0, cell * strip::kCellPx, strip_.width(), strip::kCellPx));
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

    painter.setPen(QPen(kStillTargetFrame, 2));
    painter.drawRect(QRectF(left + 1, middle - kStillCellPx / 2, kStillWidth - 2, kStillCellPx));

    // Late is up: the strip had turned on past the ideal moment.
    const double pressMiddle = middle - drawnOffsetCells() * kStillCellPx;
    painter.setRenderHint(QPainter::Antialiasing);
    // Dashes on a white line, seen on dark cells and light ones alike.
    const QRectF pressFrame(left + 4, pressMiddle - kStillCellPx / 2 + 3, kStillWidth - 8, kStillCellPx - 6);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawRect(pressFrame);
    painter.setPen(QPen(kStillPressFrame, 3, Qt::DashLine));
    painter.drawRect(pressFrame);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStillPressFrame);
    for (const double side : {left, left + kStillWidth}) {
        const double inward = side == left ? 9 : -9;
        QPainterPath arrow;
        arrow.moveTo(side, pressMiddle - 8);
        arrow.lineTo(side + inward, pressMiddle);
        arrow.lineTo(side, pressMiddle + 8);
        arrow.closeSubpath();
        painter.drawPath(arrow);
    }
    if (offsetCells_ != drawnOffsetCells()) {
        // Off the cells shown: an arrow at the edge points on to it.
        const double towards = offsetCells_ > 0 ? -1 : 1;
        const double tip = offsetCells_ > 0 ? picture.top() + 2 : picture.bottom() - 2;
        QPainterPath arrow;
        const double centre = picture.center().x();
        arrow.moveTo(centre, tip);
        arrow.lineTo(centre - 8, tip - 10 * towards);
        arrow.lineTo(centre + 8, tip - 10 * towards);
        arrow.closeSubpath();
        painter.drawPath(arrow);
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(picture.adjusted(0, 0, -1, -1));

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(0, picture.bottom() + 2, width(), fontMetrics().height()), Qt::AlignHCenter,
                     ui::qt(timing::cellsOffText(offsetCells_)));
}
