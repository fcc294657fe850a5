#pragma once

// How well a card was recalled, in the four grades of the memory model.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// A right answer slower than this was hard to recall.
inline constexpr int kHardAfterMs = 4000;
// A right answer this fast or faster was easy.
inline constexpr int kEasyWithinMs = 1500;

// The grade an answer earns: a wrong one is Again, a right one is graded by
// how long the player took.
constexpr Grade gradeOf(bool right, int answerMs)
{
    if (!right)
        return Grade::Again;
    if (answerMs > kHardAfterMs)
        return Grade::Hard;
    if (answerMs <= kEasyWithinMs)
        return Grade::Easy;
    return Grade::Good;
}
