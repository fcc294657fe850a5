#pragma once

// Every reel has 21 cells; a reel stands at upper-row position 1..21, the
// cell shown in its upper row.
namespace reel {

inline constexpr int kPositions = 21;

}  // namespace reel
