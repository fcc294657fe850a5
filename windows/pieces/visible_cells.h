#pragma once

#include <QImage>

// The three cells a reel shows at an upper-row position (upper, middle and
// lower row), cut from its strip picture where the reel window would show
// them. A picture of another size gives whatever it holds there, like the
// window, and white where it holds nothing.
QImage visibleCells(const QImage& strip, int position);
