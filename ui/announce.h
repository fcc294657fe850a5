#pragma once

class QWidget;

namespace ui {

// Tells assistive technology that the name it reads for a control changed:
// for a label with no name of its own, its new text. Qt sends nothing when a
// label's text changes, so a screen reader would not speak the new one.
void announceNameChange(QWidget* control);

}  // namespace ui
