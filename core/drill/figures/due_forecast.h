#pragma once

#include "core/drill/schedule/card_state.h"

#include <cstdint>
#include <vector>

// The cards due on each of the `days` player's days from the day of `nowMs`
// on, today first (days start at midnight `utcOffsetMs` from UTC's). As
// things stand: each card counts once, on the day it falls due, a card due
// before today counts today, and a card never asked does not count.
std::vector<int> dueForecast(const std::vector<CardState>& states, std::int64_t nowMs, std::int64_t utcOffsetMs,
                             int days = 14);
