#include "core/evaluation/evaluator.h"

namespace {

bool onReel(std::int16_t position)
{
    return position >= 1 && position <= reel::kPositions;
}

}  // namespace

void Evaluator::yaku()
{
    tamaya.clear();
    if (!onReel(r2jyoudan) || !onReel(r3jyoudan))
        return;
    const Outcome& outcome = outcomeOf(grid_.code(r2jyoudan, r3jyoudan));
    yakumei = outcome.commentary;
    if (outcome.cheers)
        tamaya = kCheer;
}
