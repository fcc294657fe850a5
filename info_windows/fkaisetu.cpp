#include "info_windows/fkaisetu.h"

#include "info_windows/fkaisetu_layout.h"

Fkaisetu::Fkaisetu() : ui::Window(kFkaisetuWindow)
{
    onClick("Command1", [this] { Command1_Click(); });
}

void Fkaisetu::Command1_Click()
{
    hide();
}
