#pragma once

#include "history/schema.h"

// The stop rule each press was judged by, as the drill's rule changed: the
// presses kept before stopped the reel on the cell that last came onto the
// row, one cell before the machine's, and are told apart from those judged
// as the machine stops, which alone make the statistics.
const SchemaStep& timingStopRuleSchemaStep();
