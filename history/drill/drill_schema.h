#pragma once

#include "history/schema.h"

// The drill's tables: every answer with the card's state after it, each
// card's current state, and one row of what the drill keeps besides (score,
// today's work, settings) as a JSON document.
const SchemaStep& drillSchemaStep();
