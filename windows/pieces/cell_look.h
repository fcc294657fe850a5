#pragma once

#include <QColor>
#include <QString>

// How a cell of the reach-me table shows its pattern, in the window and on
// paper alike: the mark and colour of the outcome's group, and its texts.
namespace cell_look {

QString markOf(char code);
QColor backgroundOf(char code);
// Black or white, whichever stands out more on the background.
QColor textColourOn(const QColor& background);
// The commentary with one line break between its lines, then the cheer on a
// line of its own where the outcome has one: a cell's tool tip, a verdict's end.
QString commentaryText(char code);

}  // namespace cell_look
