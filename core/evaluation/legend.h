#pragma once

#include <string>

// The 34 outcomes an evaluation can yield, each known by a one-character code:
// 'A' to 'Z', then 'a' to 'h'.
constexpr bool isOutcomeCode(char code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'h');
}

struct Outcome {
    std::u16string commentary;  // lines joined by CR LF, no break at the end
    bool cheers;                // whether the cheer goes with it
};

// The cheer shown with a bonus outcome.
inline const std::u16string kCheer = u"た～まや～！!";

// The outcome of a code; the code must satisfy isOutcomeCode.
const Outcome& outcomeOf(char code);
