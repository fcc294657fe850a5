#pragma once

#include "core/pattern.h"
#include "core/play/reel_control.h"

#include <optional>

// One game at the machine: its flag, and the reels stopped one by one, in any
// order, under the reel control.
namespace play {

class PlayGame {
public:
    explicit PlayGame(Flag flag) : flag_(flag) {}

    Flag flag() const { return flag_; }
    bool turning(reel::Reel which) const { return stops_[which] == 0; }
    const Stops& stops() const { return stops_; }
    int stopsMade() const;
    bool finished() const { return stopsMade() == 3; }

    // Stops a turning reel pressed at upper-row position 1..21; nothing for a
    // reel that stands already or a position off the reel.
    std::optional<ControlledStop> stop(reel::Reel which, int pressPosition);

    // Once finished: the pattern, its outcome code ('\0' before), and
    // whether the held bonus got lined up (BIG: A, REG: G).
    Pattern pattern() const { return {stops_[reel::Left], stops_[reel::Center], stops_[reel::Right]}; }
    char code() const;
    bool lined() const;
    // Whether the reels stood on a miss the flag does not allow.
    bool fellBack() const { return finished() && play::fellBack(flag_, code()); }

private:
    Flag flag_;
    Stops stops_{};
};

}  // namespace play
