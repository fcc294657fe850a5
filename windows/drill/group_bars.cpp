#include "windows/drill/group_bars.h"

#include "core/pairs/pair_verdict.h"
#include "windows/drill/group_text.h"
#include "windows/pieces/pair_look.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int kBarWidth = 160;
constexpr int kBarGap = 6;

QString figuresOf(const Tally& tally)
{
    if (tally.answered == 0)
        return QStringLiteral("—");
    return QStringLiteral("%1%  %2/%3").arg(100 * tally.right / tally.answered).arg(tally.right).arg(tally.answered);
}

}  // namespace

GroupBars::GroupBars(std::vector<Bar> bars, QWidget* parent) : QWidget(parent), bars_(std::move(bars))
{
    setAccessibleName(QStringLiteral("役ごとの正解率"));
    setTallies(std::vector<Tally>(bars_.size()));
}

void GroupBars::setTallies(std::span<const Tally> tallies)
{
    tallies_.assign(tallies.begin(), tallies.end());
    QStringList lines;
    for (std::size_t bar = 0; bar < bars_.size(); ++bar)
        lines << bars_[bar].caption + QStringLiteral(" ") + figuresOf(tallies_[bar]);
    setAccessibleDescription(lines.join(u'\n'));
    update();
}

int GroupBars::rowHeight() const
{
    return fontMetrics().height() + 4;
}

int GroupBars::captionWidth() const
{
    int widest = 0;
    for (const Bar& bar : bars_)
        widest = std::max(widest, fontMetrics().horizontalAdvance(bar.caption));
    return widest;
}

QSize GroupBars::sizeHint() const
{
    const int figures = fontMetrics().horizontalAdvance(QStringLiteral("100%  9999/9999"));
    return {captionWidth() + kBarWidth + figures + 2 * kBarGap, rowHeight() * static_cast<int>(bars_.size())};
}

void GroupBars::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int captions = captionWidth();
    const int height = rowHeight();
    for (std::size_t index = 0; index < bars_.size(); ++index) {
        const Tally& tally = tallies_[index];
        const QColor& colour = bars_[index].colour;
        const int top = static_cast<int>(index) * height;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, top, captions, height), Qt::AlignVCenter | Qt::AlignRight, bars_[index].caption);

        const QRect track(captions + kBarGap, top + 3, kBarWidth, height - 6);
        painter.fillRect(track, palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(track.adjusted(0, 0, -1, -1));
        if (tally.right > 0) {
            // Outlined, so that a pale colour still shows on the track.
            const QRect bar = track.adjusted(0, 0, kBarWidth * tally.right / tally.answered - kBarWidth - 1, -1);
            painter.setBrush(colour);
            painter.setPen(colour.darker(160));
            painter.drawRect(bar);
            painter.setBrush(Qt::NoBrush);
        }

        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(track.right() + kBarGap, top, width() - track.right() - kBarGap, height),
                         Qt::AlignVCenter | Qt::AlignLeft, figuresOf(tally));
    }
}

std::vector<GroupBars::Bar> outcomeGroupBars()
{
    std::vector<GroupBars::Bar> bars;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group)
        bars.push_back({captionOf(group), colourOf(group)});
    return bars;
}

std::vector<GroupBars::Bar> pairVerdictBars()
{
    std::vector<GroupBars::Bar> bars;
    for (PairVerdict verdict : kPairVerdicts)
        bars.push_back({pair_look::captionOf(verdict), pair_look::backgroundOf(verdict)});
    return bars;
}
