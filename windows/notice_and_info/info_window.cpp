#include "windows/notice_and_info/info_window.h"

#include <QKeyEvent>
#include <QPushButton>

InfoWindow::InfoWindow(const ui::WindowDesign& design) : ui::Window(design)
{
    onClick("Command1", [this] { Command1_Click(); });
    // The guide's pictures of the reel window's buttons do nothing: they keep
    // their looks but take no keyboard focus, so Tab goes straight to OK.
    for (QPushButton* copy : findChildren<QPushButton*>())
        if (copy->objectName() != QLatin1String("Command1"))
            copy->setFocusPolicy(Qt::NoFocus);
}

void InfoWindow::Command1_Click()
{
    hide();
}

// Esc puts the window away as OK does, as it closes the program's other
// windows beside the reel window.
void InfoWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        Command1_Click();
    else
        ui::Window::keyPressEvent(event);
}
