#pragma once

#include "app/command.h"

// --pairs ORDER: what every pair of two stopped reels tells, one line a pair.
Command pairsCommand();
