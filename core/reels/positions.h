#pragma once

// Every reel has 21 cells; a reel stands at upper-row position 1..21, the
// cell shown in its upper row.
namespace reel {

inline constexpr int kPositions = 21;

enum Reel { Left, Center, Right };
inline constexpr Reel kReels[] = {Left, Center, Right};

// A reel moves by its cell index 0..21: index i shows upper-row position
// 22 - i, and index 0 shows position 1 like index 21.
constexpr int positionOfIndex(int index)
{
    return index == 0 ? 1 : kPositions + 1 - index;
}

}  // namespace reel
