#pragma once

class QTableView;

// The corner where the grid's headers meet names which reel runs which way,
// as the exported pages do: 右リール → at its top, 中リール ↓ at its foot.
void nameAxesInCorner(QTableView* grid);
