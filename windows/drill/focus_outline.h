#pragma once

#include <QColor>

class QWidget;

// Draws a thick outline inside a focused button, in a colour that stands out
// from its face, where the style's thin dotted one is lost on a coloured face.
void paintFocusOutline(QWidget* button, const QColor& face);
