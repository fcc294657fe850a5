#pragma once

class QWidget;

namespace ui {

// Shows a window without blocking, above the others and with the keyboard:
// opening one of the program's windows again brings it back rather than
// opening a second.
void bringToFront(QWidget* window);

}  // namespace ui
