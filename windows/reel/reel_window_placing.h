#pragma once

#include <QString>

class Riru;

// Stands a pattern on the reel window's reels and judges it as a step does,
// when the reels stand; answers why not while they spin or auto play runs,
// or nothing when the pattern stands.
QString placeOnReels(Riru& riru, int left, int center, int right);
