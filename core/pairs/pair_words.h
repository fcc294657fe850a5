#pragma once

#include "core/pairs/pair_verdict.h"

#include <optional>
#include <string>
#include <string_view>

// The names and Japanese words of stop orders and pair verdicts.

// The order's name on the command line and in files: "left-center" or
// "left-right".
std::string_view stopOrderKey(StopOrder order);
// The order of such a name, exactly as written, or none.
std::optional<StopOrder> stopOrderOfKey(std::string_view key);
// What a player calls it: 順押し or はさみ打ち.
std::u16string_view stopOrderWords(StopOrder order);

// The verdict's name on the command line and in files: BIG, REG, BONUS,
// OPEN or NOSTOP.
std::string_view verdictKey(PairVerdict verdict);
// What the player reads: ＢＩＧ確定, ＲＥＧ確定, ボーナス確定, まだ分からない or
// 止まらない.
std::u16string_view verdictWords(PairVerdict verdict);

// The keys of the groups the third reel can still bring, in the groups'
// order, comma-separated, such as "big,small,miss"; empty when nothing can
// stand.
std::string standingGroupKeys(const PairReading& reading);
// The same groups as the player reads them, such as "ＢＩＧ、小役、はずれ".
std::u16string whatTheThirdCanBring(const PairReading& reading);

// The pair as the reel window reads it, the third reel a question mark:
// "7-12-?" (順押し) or "7-?-12" (はさみ打ち).
std::string readOutOf(StopOrder order, const StoppedPair& pair);
