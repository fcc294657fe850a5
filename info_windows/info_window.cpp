#include "info_windows/info_window.h"

InfoWindow::InfoWindow(const ui::WindowDesign& design) : ui::Window(design)
{
    onClick("Command1", [this] { Command1_Click(); });
}

void InfoWindow::Command1_Click()
{
    hide();
}
