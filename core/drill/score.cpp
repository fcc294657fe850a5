#include "core/drill/score.h"

namespace {

void count(Tally& tally, bool right)
{
    ++tally.answered;
    if (right)
        ++tally.right;
}

}  // namespace

void Score::record(int group, bool right)
{
    count(total, right);
    count(groups[static_cast<std::size_t>(group)], right);
    streak = right ? streak + 1 : 0;
}
