#pragma once

#include "history/schema.h"

// The drill's tables described column by column in the schema itself, each
// answer's right meaning beside the one given and the card's phase as a
// word; and the memory model's fits, with the weights the drill uses.
const SchemaStep& drillMemorySchemaStep();
