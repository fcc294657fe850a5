#include "windows/drill/map_legend.h"

#include "windows/drill/card_square.h"
#include "windows/pieces/number_text.h"

#include <QPainter>

namespace {

constexpr int kSampleSquare = 14;
constexpr int kScaleEndWidth = 16;   // the flat red and green at the scale's ends
constexpr int kScaleStepWidth = 56;  // from one step of the scale to the next
constexpr int kScaleHeight = 12;
constexpr int kSampleGap = 6;

const QString kScaleCaption = QStringLiteral("色：1日後に思い出せる見込み");
const QString kNotAsked = QStringLiteral("まだ出ていない");
const QString kOnSteps = QStringLiteral("覚えはじめ・覚えなおし（短い間をおいて出す）");

int scaleWidth()
{
    return 2 * kScaleEndWidth + static_cast<int>(card_square::kColourSteps.size() - 1) * kScaleStepWidth;
}

}  // namespace

MapLegend::MapLegend(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("覚え具合の地図の見方"));
    const auto& steps = card_square::kColourSteps;
    setAccessibleDescription(QStringLiteral("四角の色は1日後に思い出せる見込み：%1以下は赤、%2で橙、%3で黄、%4以上は緑。"
                                            "灰色は%5。太い枠は%6。")
                                 .arg(percentText(steps[0]), percentText(steps[1]), percentText(steps[2]), percentText(steps[3]), kNotAsked,
                                      kOnSteps));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int MapLegend::lineHeight() const
{
    return std::max(kSampleSquare + 2, fontMetrics().height());
}

QSize MapLegend::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = std::max({metrics.horizontalAdvance(kScaleCaption), scaleWidth() + metrics.horizontalAdvance(QStringLiteral("100%")),
                                kSampleSquare + kSampleGap + metrics.horizontalAdvance(kOnSteps)});
    return {width, 4 * lineHeight() + kScaleHeight + kSampleGap};
}

void MapLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(text);
    int y = 0;
    painter.drawText(QRect(0, y, width(), lineHeight()), Qt::AlignLeft | Qt::AlignVCenter, kScaleCaption);
    y += lineHeight();

    // The scale: flat red, a blend between each two steps, flat green; each
    // step's percentage under its place.
    const auto& steps = card_square::kColourSteps;
    const int left = metrics.horizontalAdvance(QStringLiteral("60%")) / 2;
    painter.fillRect(left, y, kScaleEndWidth, kScaleHeight, card_square::colourOfRecall(0.0));
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        const int from = left + kScaleEndWidth + static_cast<int>(i) * kScaleStepWidth;
        for (int x = 0; x < kScaleStepWidth; ++x)
            painter.fillRect(from + x, y, 1, kScaleHeight,
                             card_square::colourOfRecall(steps[i] + (steps[i + 1] - steps[i]) * x / kScaleStepWidth));
    }
    painter.fillRect(left + kScaleEndWidth + static_cast<int>(steps.size() - 1) * kScaleStepWidth, y, kScaleEndWidth, kScaleHeight,
                     card_square::colourOfRecall(1.0));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(left, y, scaleWidth() - 1, kScaleHeight - 1);
    painter.setPen(text);
    y += kScaleHeight;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int x = left + kScaleEndWidth + static_cast<int>(i) * kScaleStepWidth;
        painter.drawLine(x, y, x, y + 2);
        const QString label = percentText(steps[i]);
        const int labelWidth = metrics.horizontalAdvance(label);
        painter.drawText(QRect(x - labelWidth / 2, y + 2, labelWidth, lineHeight()), Qt::AlignCenter, label);
    }
    y += lineHeight() + kSampleGap;

    const auto sample = [&](const QColor& fill, bool onSteps, const QString& meaning) {
        card_square::paint(painter, QRect(0, y + (lineHeight() - kSampleSquare) / 2, kSampleSquare, kSampleSquare), fill, onSteps);
        painter.setPen(text);
        painter.drawText(QRect(kSampleSquare + kSampleGap, y, width() - kSampleSquare - kSampleGap, lineHeight()), Qt::AlignLeft | Qt::AlignVCenter,
                         meaning);
        y += lineHeight();
    };
    sample(card_square::notAskedColour(), false, kNotAsked);
    sample(card_square::colourOfRecall(0.77), true, kOnSteps);
}
