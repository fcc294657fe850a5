#pragma once

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

#include <algorithm>

// Sizes `line` for the widest of `texts` in its font, so that nothing round
// it moves as its text changes.
inline void keepRoomFor(QWidget* line, const QStringList& texts)
{
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, line->fontMetrics().horizontalAdvance(text));
    line->setMinimumSize(widest + 8, line->fontMetrics().height() + 4);
}
