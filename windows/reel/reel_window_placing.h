#pragma once

#include <QString>

class Game;

// Stands a pattern on the reel window's reels and judges it as a step does,
// when the reels stand; answers why not, in the reel window's words, or
// nothing when the pattern stands.
QString placeOnReels(Game& game, int left, int center, int right);
