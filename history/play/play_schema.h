#pragma once

#include "history/schema.h"

// The play mode's tables: each session with the setting in play and the
// player's guess, every game with its flag, its stops and the pattern it
// stood on, and every call of ボーナス！.
const SchemaStep& playSchemaStep();
