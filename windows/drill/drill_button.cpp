#include "windows/drill/drill_button.h"

#include "windows/drill/focus_outline.h"

DrillButton::DrillButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
}

void DrillButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    paintFocusOutline(this, palette().color(QPalette::Button));
}
