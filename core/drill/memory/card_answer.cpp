#include "core/drill/memory/card_answer.h"

#include <algorithm>

std::vector<CardAnswer> inTimeOrder(std::vector<CardAnswer> answers)
{
    std::stable_sort(answers.begin(), answers.end(),
        [](const CardAnswer& a, const CardAnswer& b) { return a.atMs < b.atMs; });
    return answers;
}
