#include "core/evaluation/judgement.h"

#include "core/evaluation/evaluation.h"
#include "core/evaluation/legend.h"

Judgement judge(const Pattern& pattern)
{
    const char code = outcomeCodeOf(pattern);
    const Outcome& outcome = outcomeOf(code);
    return {code, outcome.commentary, outcome.cheers ? std::u16string_view(kCheer) : std::u16string_view()};
}

char outcomeCodeOf(const Pattern& pattern)
{
    return gridOfClass(evaluatorClassOf(pattern.left))->code(pattern.center, pattern.right);
}
