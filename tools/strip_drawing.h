#pragma once

#include "core/reels/reel_cells.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

// The reel-strip pictures and the window icon. The drawing lives here rather
// than in the tool so that the tests can check the committed pictures against it.
namespace strip_pictures {

constexpr int kWidth = 100;
constexpr int kHeight = 1660;
constexpr int kStripCells = 26;            // the 21 reel cells, then the first five again
constexpr double kCellHeight = 950 / 15.0;  // one cell pitch in pixels
constexpr int kSymbolWidth = 90;
constexpr int kSymbolHeight = 56;

// The reel cell (1..21) that strip cell k (0..25, from the top) shows: the
// strip starts one cell early, on cell 21, so the window is covered at both ends.
constexpr int reelCellAt(int k)
{
    return (k + 20) % 21 + 1;
}

// The whole-pixel box that strip cell k's symbol is drawn into. Symbols stand
// on whole pixels so that their edges stay crisp on the fractional pitch.
QRect symbolBox(int k);

// "r1.bmp", "r2.bmp", "r3.bmp" for the left, center and right reel.
QString fileName(reel::Reel reel);

// The glyphs come from IPA P Gothic; without it the pictures would differ.
bool haveGlyphFont();

// One symbol on white, kSymbolWidth x kSymbolHeight.
QImage drawSymbol(Symbol symbol);

// A reel's whole strip, 24-bit, kWidth x kHeight.
QImage drawStrip(reel::Reel reel);

// The window icon at `size` pixels square, in full colour.
QImage drawIcon(int size);

// The window icon as a scalable SVG picture.
QByteArray drawIconSvg();

// The icon at `size`, brought down to a fixed table of at most 16 colours.
QImage drawIcon16(int size);

}  // namespace strip_pictures
