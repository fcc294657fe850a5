#pragma once

#include "app/command.h"

// --memory-report [--answers FILE.csv [--predict TEST.csv]]: the memory
// model fitted to the player's answers, and how well it predicts them.
Command memoryReportCommand();
