#pragma once

#include "core/reels/positions.h"

#include <QImage>

#include <array>

// The three cells each reel shows at each upper-row position, cut from the
// reels' strip pictures when first asked for and kept.
class ReelCellPictures {
public:
    // Strips of the left, center and right reel.
    explicit ReelCellPictures(const std::array<QImage, 3>& strips);
    // The strips the program carries from its design, for when no reel
    // window is there to lend its own.
    static ReelCellPictures design();

    // Upper, middle and lower cell stacked as the reel shows them.
    const QImage& stacked(reel::Reel which, int position) const;
    // The same three cells side by side, upper first, for a row's header.
    const QImage& sideBySide(reel::Reel which, int position) const;

private:
    std::array<QImage, 3> strips_;
    mutable std::array<std::array<QImage, reel::kPositions>, 3> stacked_;
    mutable std::array<std::array<QImage, reel::kPositions>, 3> sideBySide_;
};
