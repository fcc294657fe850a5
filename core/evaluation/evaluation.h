#pragma once

#include "core/evaluation/tables/grids.h"

// The evaluator class that serves a left upper-row position: its number, which
// is the position itself except that 15 and 18 share class 4. 0 for a position
// off the reel.
int evaluatorClassOf(int leftPosition);

// The grid of an evaluator class, or null for a number no class has.
const ReachMeGrid* gridOfClass(int evaluatorClass);
