#include "info_windows/fsousa.h"

#include "info_windows/fsousa_layout.h"

Fsousa::Fsousa() : ui::Window(kFsousaWindow)
{
    onClick("Command1", [this] { Command1_Click(); });
}

void Fsousa::Command1_Click()
{
    hide();
}
