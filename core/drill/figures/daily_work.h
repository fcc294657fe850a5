#pragma once

#include "core/drill/memory/memory_model.h"
#include "core/drill/schedule/card_state.h"

#include <cstdint>
#include <vector>

// The answers a day that the cards already begun are expected to ask over
// the next `days` days when they are kept at `retention`: the work a desired
// retention costs. Simulated from the cards' present states, since a
// published estimate would not know this player's deck: each card is
// answered when due, right with the recall `model` predicts then (a right
// answer taken as Good), a miss going through the learning steps as in the
// drill; the mean over several runs drawn from `seed`. New cards are left
// out: they add as many answers as the player lets in.
double expectedAnswersADay(const std::vector<CardState>& states, const MemoryModel& model, double retention,
                           std::int64_t nowMs, std::uint64_t seed, int days = 30);
