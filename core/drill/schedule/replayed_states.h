#pragma once

#include "core/drill/memory/card_answer.h"
#include "core/drill/memory/memory_model.h"
#include "core/drill/schedule/card_state.h"

#include <vector>

// The cards' states after `answers` (in time order), replayed through the
// drill's schedule with `model` and `retention`: what the drill would hold
// had it used these weights all along, as it should once a fit is kept. One
// state per card 0..cardCount − 1; answers to other card numbers are left
// out.
std::vector<CardState> statesAfter(const std::vector<CardAnswer>& answers, int cardCount, const MemoryModel& model,
                                   double retention);
