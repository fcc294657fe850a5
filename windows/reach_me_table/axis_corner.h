#pragma once

#include "windows/pieces/header_drawing.h"

#include <QString>

class QTableView;

// The corner where the grid's headers meet names which reel runs which way,
// as the exported pages do: 右リール → at its top, 中リール ↓ at its foot for
// a left position's patterns. Named again, the names change.
void nameAxesInCorner(QTableView* grid, const header_drawing::Axes& axes);

// What the rows and columns are, in a sentence: "行は中リール、列は右リールの上段の位置".
QString axesDescription(const header_drawing::Axes& axes);
