#pragma once

class QString;
class QWidget;

namespace ui {

// Tells assistive technology that the name it reads for a control changed:
// for a label with no name of its own, its new text. Qt sends nothing when a
// label's text changes, so a screen reader would not speak the new one.
void announceNameChange(QWidget* control);

// Has a screen reader say `words` now, through `control`: they become its
// accessible description and it takes the keyboard focus. A reader speaks
// the control it follows the focus to, with its name, role, value and
// description, where a label that changes without the focus stays unspoken.
// `control` must not have the focus yet: Orca does not speak a description
// that changes on the focused control, as Qt 6.4 tells the change without
// the new text. scripts/orca-listen shows what Orca says.
void sayThrough(QWidget* control, const QString& words);

}  // namespace ui
