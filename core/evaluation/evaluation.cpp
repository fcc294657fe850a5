#include "core/evaluation/evaluation.h"

#include <iterator>

namespace {

const ReachMeGrid* const kGridOfClass[22] = {
    nullptr, &kGrid1,  &kGrid2,  &kGrid3,  &kGrid4,  &kGrid5,  &kGrid6,  &kGrid7,
    &kGrid8, &kGrid9,  &kGrid10, &kGrid11, &kGrid12, &kGrid13, &kGrid14, nullptr,
    &kGrid16, &kGrid17, nullptr, &kGrid19, &kGrid20, &kGrid21,
};

}  // namespace

int evaluatorClassOf(int leftPosition)
{
    if (leftPosition < 1 || leftPosition > reel::kPositions)
        return 0;
    if (leftPosition == 15 || leftPosition == 18)
        return 4;  // the left reel shows the same three symbols as at 4
    return leftPosition;
}

const ReachMeGrid* gridOfClass(int evaluatorClass)
{
    if (evaluatorClass < 0 || evaluatorClass >= static_cast<int>(std::size(kGridOfClass)))
        return nullptr;
    return kGridOfClass[evaluatorClass];
}
