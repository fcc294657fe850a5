#pragma once

#include "app/command.h"

// --export-table FILE [--left N]: the reach-me table written as PDF, CSV or PNG.
Command exportTableCommand();
