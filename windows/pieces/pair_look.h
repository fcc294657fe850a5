#pragma once

#include "core/pairs/pair_verdict.h"
#include "windows/pieces/header_drawing.h"

#include <QColor>
#include <QString>

// How a pair of two stopped reels shows its verdict, in the table, on paper
// and in the drill alike: the colour and mark of the meaning it makes
// certain (ＢＩＧ, ＲＥＧ, Ｂ＆Ｒ's colour for any bonus), white while the bonus is
// still open, grey where the machine lets nothing stand.
namespace pair_look {

QString markOf(PairVerdict verdict);
QColor backgroundOf(PairVerdict verdict);
// ＢＩＧ確定, ＲＥＧ確定, ボーナス確定, まだ分からない, 止まらない.
QString captionOf(PairVerdict verdict);
// The name in object names: big, reg, bonus, open, nostop.
QString nameOf(PairVerdict verdict);

// The grid of an order's pairs: the second reel across, the left reel down.
constexpr header_drawing::Axes axesOf(StopOrder order)
{
    return {secondReelOf(order), reel::Left};
}

// 順押し（左→中→右）or はさみ打ち（左→右→中）.
QString orderText(StopOrder order);

// What the third reel can still bring, as a sentence: "右リールで出るのは
// ＢＩＧ、小役"; for a pair where nothing stands, that it never stops so.
QString thirdReelText(StopOrder order, const PairReading& reading);

// The pair and what it tells, line by line: its read-out with the order,
// the verdict, what the third reel can still bring. A cell's tool tip.
QString pairText(StopOrder order, const StoppedPair& pair);

}  // namespace pair_look
