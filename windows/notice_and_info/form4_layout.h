#pragma once

#include "ui/control.h"

extern const ui::WindowDesign kForm4Window;
