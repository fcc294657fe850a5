#pragma once

#include "core/pairs/pair_verdict.h"

#include <string>

// What every pair of an order tells, as lines of text: one line a pair,
// ordered by left and then second position, each
// LEFT<TAB>SECOND<TAB>VERDICT<TAB>GROUPS and a line feed, GROUPS the keys of
// the groups the third reel can still bring (standingGroupKeys).
std::string pairsListing(StopOrder order);

// Every pair of both orders as a CSV file's text, 順押し first: a header
// line, then one row a pair, lines ended by CR LF; positions bare, texts
// quoted. Columns: order (its key), left, second, verdict (its key), groups
// (keys), order_words, verdict_words and third_can_bring (the groups'
// captions), the last three as the player reads them. The file is this text
// in UTF-8 after a byte-order mark, as the reach-me table's CSV is; the mark
// is not part of the text, as a conversion from UTF-16 would drop it.
std::u16string pairsCsv();
