#pragma once

#include "ui/control.h"

// The reel window: three strips behind their plates, the stop and step
// buttons under them, the setting table and the result area to the right.
extern const ui::WindowDesign kRiruWindow;
