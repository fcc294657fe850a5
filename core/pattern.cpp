#include "core/pattern.h"

#include "core/evaluation/evaluation.h"

namespace {

bool isPosition(int position)
{
    return position >= 1 && position <= Pattern::kPositions;
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

char outcomeCodeOf(const Pattern& pattern)
{
    return gridOfClass(evaluatorClassOf(pattern.left))->code(pattern.center, pattern.right);
}
