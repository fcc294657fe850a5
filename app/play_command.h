#pragma once

#include "app/command.h"

// --play GAMES [--setting 1..6] [--seed N]: games played at random moments,
// the session's counts printed.
Command playCommand();
