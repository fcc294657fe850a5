#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// A line that tells the keys: dimmer than the window's texts, still 4.5:1
// and more against the window.
inline void paintAsHint(QWidget* line)
{
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, QColor(0x4a, 0x47, 0x42));
    line->setPalette(palette);
}
