#include "windows/drill/pattern_view.h"

#include "core/pairs/pair_words.h"
#include "core/reels/symbols_in_words.h"
#include "ui/fonts.h"
#include "ui/text.h"
#include "ui/twips.h"
#include "windows/pieces/riru_layout.h"
#include "windows/pieces/strip_geometry.h"
#include "windows/pieces/visible_cells.h"

#include <QPainter>
#include <QStyleOptionButton>

#include <algorithm>
#include <string_view>

namespace {

// The reel window's table places the strips, frame lines, separator bars and
// pay-line labels; the picture copies that part of the window.
const ui::Control& reelWindowControl(std::string_view name)
{
    const auto controls = kRiruWindow.controls;
    return *std::find_if(controls.begin(), controls.end(), [&](const ui::Control& c) { return c.name == name; });
}

constexpr std::string_view kStrips[] = {"Image1", "Image2", "Image3"};
constexpr std::string_view kSeparators[] = {"Command5", "Command6", "Command7", "Command8"};
constexpr std::string_view kPayLines[] = {"Label2_0", "Label2_1", "Label2_2", "Label2_3", "Label2_4"};
constexpr int kFaceMargin = 120;  // twips of window face round the picture

// Every position stands its upper row at the same height: index i places the
// strip so that position 22 - i's cell starts there.
constexpr int kUpperRowTop = strip::topOfIndex(reel::kPositions + 1);

// The part of the reel window the picture shows, in the window's twips.
struct Area {
    int left, top, right, bottom;
};

Area pictureArea()
{
    const ui::Control& firstLabel = reelWindowControl(kPayLines[0]);
    const ui::Control& lastLabel = reelWindowControl(kPayLines[4]);
    const ui::Control& lastBar = reelWindowControl(kSeparators[3]);
    return {firstLabel.left - kFaceMargin, firstLabel.top - kFaceMargin, lastBar.left + lastBar.width + kFaceMargin,
            lastLabel.top + lastLabel.height + kFaceMargin};
}

QRect placeOf(const Area& area, int left, int top, int width, int height)
{
    const int x = ui::pixels(left - area.left);
    const int y = ui::pixels(top - area.top);
    return {x, y, ui::pixels(left + width - area.left) - x, ui::pixels(top + height - area.top) - y};
}

}  // namespace

PatternView::PatternView(std::array<QImage, 3> strips, QWidget* parent) : QWidget(parent), strips_(std::move(strips))
{
    const Area area = pictureArea();
    setFixedSize(ui::pixels(area.right - area.left), ui::pixels(area.bottom - area.top));
}

void PatternView::setPattern(const Pattern& pattern)
{
    showCells({pattern.left, pattern.center, pattern.right}, -1);
    setAccessibleName(QString::fromStdString(readOutOf(pattern)));
    setAccessibleDescription(ui::qt(reel::patternInWords(pattern)));
}

void PatternView::setPair(StopOrder order, const StoppedPair& pair)
{
    // The third reel's position is never shown; any will do for its size.
    const Pattern standing = completionOf(order, pair, 1);
    showCells({standing.left, standing.center, standing.right}, thirdReelOf(order));
    setAccessibleName(QString::fromStdString(readOutOf(order, pair)));
    const auto reelInWords = [](reel::Reel which, int position) {
        return ui::qt(reel::nameOf(which)) + QStringLiteral("　") + ui::qt(reel::reelInWords(which, position));
    };
    setAccessibleDescription(QStringLiteral("%1。%2。%3はまだ止まっていません。")
                                 .arg(reelInWords(reel::Left, pair.left),
                                      reelInWords(secondReelOf(order), pair.second),
                                      ui::qt(reel::nameOf(thirdReelOf(order)))));
}

void PatternView::showCells(const std::array<int, 3>& positions, int blankReel)
{
    for (std::size_t reel = 0; reel < 3; ++reel)
        cells_[reel] = visibleCells(strips_[reel], positions[reel]);
    if (blankReel >= 0) {
        // A reel not yet stopped: its face blank, a question mark on it.
        QImage& blank = cells_[static_cast<std::size_t>(blankReel)];
        blank.fill(QColor(0xDD, 0xDD, 0xDD));
        QPainter painter(&blank);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        painter.setFont(ui::designFont(ui::bold(36)));
        painter.drawText(blank.rect(), Qt::AlignCenter, QStringLiteral("？"));
    }
    painted_ = false;
    update();
}

void PatternView::paintEvent(QPaintEvent*)
{
    const Area area = pictureArea();
    QPainter painter(this);

    const ui::Control& upperLine = reelWindowControl("Line2");
    const ui::Control& lowerLine = reelWindowControl("Line1");
    for (std::size_t reel = 0; reel < 3; ++reel) {
        const ui::Control& image = reelWindowControl(kStrips[reel]);
        // Above the upper row the frame line shows a sliver of white.
        painter.fillRect(placeOf(area, image.left, upperLine.top, image.width, kUpperRowTop - upperLine.top),
                         Qt::white);
        painter.drawImage(placeOf(area, image.left, kUpperRowTop, 0, 0).topLeft(), cells_[reel]);
    }

    QStyleOptionButton bar;
    bar.initFrom(this);
    bar.state = QStyle::State_Raised;
    for (std::string_view name : kSeparators) {
        const ui::Control& separator = reelWindowControl(name);
        bar.rect = placeOf(area, separator.left, upperLine.top - kFaceMargin, separator.width,
                           lowerLine.top - upperLine.top + 2 * kFaceMargin);
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &bar, &painter, this);
    }

    painter.setPen(palette().color(QPalette::WindowText));
    for (const ui::Control* line : {&upperLine, &lowerLine}) {
        const int y = ui::pixels(line->top - area.top);
        painter.drawLine(ui::pixels(line->left - area.left), y, ui::pixels(line->left + line->width - area.left) - 1, y);
    }

    for (std::string_view name : kPayLines) {
        const ui::Control& label = reelWindowControl(name);
        const QRect box = placeOf(area, label.left, label.top, label.width, label.height);
        painter.fillRect(box, palette().color(QPalette::WindowText));
        painter.setPen(QColor(label.look.text.r, label.look.text.g, label.look.text.b));
        painter.setFont(ui::designFont(label.font));
        painter.drawText(box, Qt::AlignTop | Qt::AlignHCenter, ui::qt(label.text));
    }
    if (!painted_) {
        painted_ = true;
        emit patternPainted();
    }
}
