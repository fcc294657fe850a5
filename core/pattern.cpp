#include "core/pattern.h"

namespace {

bool isPosition(int position)
{
    return position >= 1 && position <= reel::kPositions;
}

}  // namespace

bool isOnTheReels(const Pattern& pattern)
{
    return isPosition(pattern.left) && isPosition(pattern.center) && isPosition(pattern.right);
}

std::string readOutOf(const Pattern& pattern)
{
    return std::to_string(pattern.left) + "-" + std::to_string(pattern.center) + "-" +
           std::to_string(pattern.right);
}
