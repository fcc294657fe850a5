#include "core/play/play_game.h"

#include "core/evaluation/judgement.h"

namespace play {

int PlayGame::stopsMade() const
{
    int made = 0;
    for (const int position : stops_)
        made += position != 0;
    return made;
}

std::optional<ControlledStop> PlayGame::stop(reel::Reel which, int pressPosition)
{
    if (!turning(which) || pressPosition < 1 || pressPosition > reel::kPositions)
        return std::nullopt;
    const ControlledStop stop = controlStop(stops_, which, pressPosition, flag_);
    stops_[which] = stop.position;
    return stop;
}

char PlayGame::code() const
{
    return finished() ? outcomeCodeOf(pattern()) : '\0';
}

bool PlayGame::lined() const
{
    return isBonus(flag_) && codesOf(flag_).prize.contains(code());
}

}  // namespace play
