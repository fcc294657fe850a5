#include "core/evaluation/evaluation.h"

#include "core/reels/strip_geometry.h"

#include <iterator>

namespace {

const ReachMeGrid* const kGridOfClass[22] = {
    nullptr, &kGrid1,  &kGrid2,  &kGrid3,  &kGrid4,  &kGrid5,  &kGrid6,  &kGrid7,
    &kGrid8, &kGrid9,  &kGrid10, &kGrid11, &kGrid12, &kGrid13, &kGrid14, nullptr,
    &kGrid16, &kGrid17, nullptr, &kGrid19, &kGrid20, &kGrid21,
};

std::u16string decimal(int value)
{
    std::u16string text;
    for (char digit : std::to_string(value))
        text += static_cast<char16_t>(digit);
    return text;
}

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

void Evaluation::yaku(double leftTop, double centerTop, double rightTop)
{
    const std::int16_t left = strip::positionAt(leftTop);
    const std::int16_t center = strip::positionAt(centerTop);
    const std::int16_t right = strip::positionAt(rightTop);
    readOut = decimal(left) + u"-" + decimal(center) + u"-" + decimal(right);
    r1jyoudan = left;
    r2jyoudan = center;
    r3jyoudan = right;

    const int evaluatorClass = evaluatorClassOf(r1jyoudan);
    if (evaluatorClass == 0)
        return;  // no evaluator: the last texts stay
    std::unique_ptr<Evaluator>& evaluator = evaluators_[evaluatorClass];
    if (!evaluator)
        evaluator = std::make_unique<Evaluator>(*gridOfClass(evaluatorClass));
    evaluator->r2jyoudan = r2jyoudan;
    evaluator->r3jyoudan = r3jyoudan;
    evaluator->yaku();
    yakumei = evaluator->yakumei;
    tamaya = evaluator->tamaya;
}

const Evaluator* Evaluation::instanceOf(int evaluatorClass) const
{
    if (evaluatorClass < 0 || evaluatorClass >= static_cast<int>(evaluators_.size()))
        return nullptr;
    return evaluators_[evaluatorClass].get();
}
