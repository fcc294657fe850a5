#pragma once

#include "history/schema.h"

// The timing drill's table: every press with its target, the speed and slip
// it was made at, where the reel stopped and how far the press was off.
const SchemaStep& timingSchemaStep();
