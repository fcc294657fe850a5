#include "ui/bring_to_front.h"

#include <QWidget>

namespace ui {

void bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace ui
