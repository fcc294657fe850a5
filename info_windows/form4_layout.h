#pragma once

#include "ui/control.h"

extern const ui::WindowSpec kForm4Window;
