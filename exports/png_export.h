#pragma once

#include <QImage>

class ReelCellPictures;

// The reach-me table of one left position as a picture: its title, the grid
// with both headers, and the legend under it.
QImage reachMeTablePicture(int left, const ReelCellPictures& pictures);
