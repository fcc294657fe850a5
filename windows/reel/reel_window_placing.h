#pragma once

#include "core/pairs/pair_verdict.h"

#include <QString>

class Game;

// Stands a pattern on the reel window's reels and judges it as a step does,
// when the reels stand; answers why not, in the reel window's words, or
// nothing when the pattern stands.
QString placeOnReels(Game& game, int left, int center, int right);

// Stands a pair's two reels on the reels, the third reel where it stands,
// on the same terms.
QString placePairOnReels(Game& game, StopOrder order, const StoppedPair& pair);
