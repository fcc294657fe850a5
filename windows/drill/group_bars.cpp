#include "windows/drill/group_bars.h"

#include "windows/drill/group_text.h"

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

GroupBars::GroupBars(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("役ごとの正解率"));
    setScore({});
}

void GroupBars::setScore(const Score& score)
{
    groups_ = score.groups;
    QStringList lines;
    for (std::size_t group = 0; group < groups_.size(); ++group)
        lines << captionOf(group) + QStringLiteral(" ") + figuresOf(groups_[group]);
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
    for (std::size_t group = 0; group < groups_.size(); ++group)
        widest = std::max(widest, fontMetrics().horizontalAdvance(captionOf(group)));
    return widest;
}

QSize GroupBars::sizeHint() const
{
    const int figures = fontMetrics().horizontalAdvance(QStringLiteral("100%  9999/9999"));
    return {captionWidth() + kBarWidth + figures + 2 * kBarGap, rowHeight() * static_cast<int>(groups_.size())};
}

void GroupBars::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int captions = captionWidth();
    const int height = rowHeight();
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        const Tally& tally = groups_[group];
        const int top = static_cast<int>(group) * height;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, top, captions, height), Qt::AlignVCenter | Qt::AlignRight, captionOf(group));

        const QRect track(captions + kBarGap, top + 3, kBarWidth, height - 6);
        painter.fillRect(track, palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(track.adjusted(0, 0, -1, -1));
        if (tally.right > 0) {
            // Outlined, so that a pale colour still shows on the track.
            const QRect bar = track.adjusted(0, 0, kBarWidth * tally.right / tally.answered - kBarWidth - 1, -1);
            painter.setBrush(colourOf(group));
            painter.setPen(colourOf(group).darker(160));
            painter.drawRect(bar);
            painter.setBrush(Qt::NoBrush);
        }

        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(track.right() + kBarGap, top, width() - track.right() - kBarGap, height),
                         Qt::AlignVCenter | Qt::AlignLeft, figuresOf(tally));
    }
}
