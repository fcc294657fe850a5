#pragma once

#include <QString>

class QWidget;

namespace ui {

// The program's name, which titles its message boxes; main sets it once.
void setProgramName(const QString& name);

// Tells the user why a click did nothing. The box blocks only its window and
// closes with its OK.
void showRefusal(QWidget* window, const QString& text);

}  // namespace ui
