#pragma once

#include <cmath>

namespace ui {

// Windows are laid out in twips; 15 twips make one screen pixel.
constexpr int kTwipsPerPixel = 15;

inline int pixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace ui
