#pragma once

#include "core/play/play_session.h"

#include <cstdint>
#include <string>

// `kareto --play GAMES [--setting 1..6] [--seed N]`: a player who presses at
// random moments plays GAMES games, and the session's counts are printed.
namespace play {

// Plays `games` games of a session set up as `setup`. Each game the player
// stops the left, center and right reel in turn, each at a press position
// drawn from a stream of its own (from the same seed), so that the same seed
// gives the same games; with a bonus held the player does not aim either.
SessionCounts playAtRandom(std::int64_t games, const SessionSetup& setup);

// The counts as tab-separated lines:
//   games_free N
//   drawn FLAG N          every flag: none, replay, cherry, bell, ice, big, reg
//   shown HELD CODE N     each flag and outcome code that stood, in that order
//   lined big N
//   lined reg N
std::string reportOf(const SessionCounts& counts);

}  // namespace play
