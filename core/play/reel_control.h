#pragma once

#include "core/evaluation/flag_table.h"
#include "core/play/stops.h"
#include "core/reels/reel_cells.h"

// The machine's reel control: where a reel comes to rest after a press.
//
// A press stops the reel on the next cell to come onto the row; the reel may
// then slide 0 to kMaxSlide cells on. The press is given as its upper-row
// position: where the reel would stand without sliding. Of the five places
// the control takes the first by these rules, each deciding only between
// places the rules before it leave alike:
//   1. the best chance of ending on what the flag allows or, failing that,
//      on what no flag allows (J, I, Z): from the start of a game every later
//      press can be served so, and the reels never stand on a code the flag
//      table leaves out;
//   2. the flagged prize still within reach (on the last stop: lined up); a
//      prize out of reach of the press is missed (取りこぼし);
//   3. the best chance of ending on what the flag allows;
//   4. with a bonus held, the best chance of a reach-me;
//   5. the shortest slide.
// A chance is a ReachChances: the later presses at random moments, in the
// order least favourable to the control.
namespace play {

struct ControlledStop {
    int position = 1;  // where the reel stands, 1..21
    int slide = 0;     // 0..kMaxSlide cells slid on from the press
};

// Stops the turning reel `which`, pressed at upper-row position 1..21, the
// other reels standing at `stops`, in a game whose flag is `flag`.
ControlledStop controlStop(const Stops& stops, reel::Reel which, int pressPosition, Flag flag);

// Of a finished game: whether the reels stood on a miss the flag does not
// allow, having found no pattern it allows within reach of the presses.
bool fellBack(Flag flag, char code);

}  // namespace play
