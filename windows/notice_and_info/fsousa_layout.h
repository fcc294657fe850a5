#pragma once

#include "ui/control.h"

extern const ui::WindowDesign kFsousaWindow;
