#pragma once

#include "app/command.h"

// --estimate-setting GAMES BIG REG [--prior WEIGHTS]: how likely each setting is.
Command estimateSettingCommand();
