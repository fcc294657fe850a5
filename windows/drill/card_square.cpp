#include "windows/drill/card_square.h"

#include <QPainter>

namespace card_square {

namespace {

// Most of what a day can take away lies between 0.6 and 0.95 a day later,
// so the colours change there.
const std::array<QColor, kColourSteps.size()> kStepColours = {
    QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00), QColor(0xFD, 0xD8, 0x35), QColor(0x2E, 0x7D, 0x32)};

QColor blend(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

}  // namespace

QColor colourOfRecall(double recall)
{
    if (!(recall > kColourSteps.front()))
        return kStepColours.front();
    for (std::size_t i = 1; i < kColourSteps.size(); ++i)
        if (recall < kColourSteps[i])
            return blend(kStepColours[i - 1], kStepColours[i],
                         (recall - kColourSteps[i - 1]) / (kColourSteps[i] - kColourSteps[i - 1]));
    return kStepColours.back();
}

QColor notAskedColour()
{
    return QColor(0xC8, 0xC8, 0xC8);
}

void paint(QPainter& painter, const QRect& square, const QColor& fill, bool onLearningSteps)
{
    painter.fillRect(square, fill);
    if (onLearningSteps) {
        painter.fillRect(square.left(), square.top(), square.width(), 3, Qt::black);
        painter.fillRect(square.left(), square.bottom() - 2, square.width(), 3, Qt::black);
        painter.fillRect(square.left(), square.top(), 3, square.height(), Qt::black);
        painter.fillRect(square.right() - 2, square.top(), 3, square.height(), Qt::black);
    } else {
        painter.setPen(fill.darker(140));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square.adjusted(0, 0, -1, -1));
    }
}

}  // namespace card_square
