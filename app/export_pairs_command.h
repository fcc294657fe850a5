#pragma once

#include "app/command.h"

// --export-pairs FILE.csv: what every pair of both stop orders tells, as CSV.
Command exportPairsCommand();
