#pragma once

class QWidget;

// What a screen reader says of the reel window, which its pixels alone do not
// tell: names that tell its controls apart, and the reels in words.
namespace riru_accessibility {

// Names the controls whose captions repeat (stop, ▲, ▼), the number boxes
// after their captions, the read-out and the window itself.
void nameControls(QWidget* riru);

// The symbols each standing reel shows, row by row, on its strip picture,
// and the whole pattern on the read-out; a spinning reel says so.
void describeReels(QWidget* riru, const int (&upperPositions)[3], const bool (&running)[3]);

}  // namespace riru_accessibility
