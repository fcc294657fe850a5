#include "core/evaluation/judgement.h"

#include "core/evaluation/legend.h"

Judgement judge(const Pattern& pattern)
{
    const char code = outcomeCodeOf(pattern);
    const Outcome& outcome = outcomeOf(code);
    return {code, outcome.commentary, outcome.cheers ? std::u16string_view(kCheer) : std::u16string_view()};
}
