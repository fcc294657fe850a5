#pragma once

#include "core/drill/memory/card_answer.h"

#include <cstdint>
#include <vector>

// The reviews of a span of days and how many were right.
struct TrueRetention {
    int reviews = 0;
    int right = 0;

    friend bool operator==(const TrueRetention&, const TrueRetention&) = default;
};

// The reviews given in the `days` days up to `nowMs` (after nowMs − days,
// up to nowMs), from `answers` in time order. A review is an answer to a
// card past its learning steps, in review by the drill's schedule replayed
// from the answers: neither a card's first answer nor one on the short steps
// after a miss, whose recall says little of memory kept over days. The share
// right is the retention the player really keeps, to set against the one
// they asked for.
TrueRetention trueRetention(const std::vector<CardAnswer>& answers, std::int64_t nowMs, int days);
