#pragma once

#include <QImage>

#include <array>

// The strips the reels are drawn from, left to right: r1.bmp, r2.bmp and
// r3.bmp from the working folder, as the player may keep strips of their own
// there, else the installed ones; failing both, the strip the program carries
// under the same name, and one line on the terminal says which file and why.
std::array<QImage, 3> loadStripPictures();
