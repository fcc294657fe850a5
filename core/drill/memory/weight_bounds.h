#pragma once

#include "core/drill/memory/memory_model.h"

// FSRS-6's published bounds on its weights w0..w20, within which its own
// optimizer keeps them: the initial stabilities 0.001 to 100 days, the
// initial difficulty 1 to 10, the decay w20 0.1 to 0.8.
inline constexpr MemoryWeights kLeastWeights = {0.001, 0.001, 0.001, 0.001, 1.0, 0.001, 0.001, 0.001, 0.0, 0.0, 0.001,
    0.001, 0.001, 0.001, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.1};
inline constexpr MemoryWeights kMostWeights = {100.0, 100.0, 100.0, 100.0, 10.0, 4.0, 4.0, 0.75, 4.5, 0.8, 3.5, 5.0,
    0.25, 0.9, 4.0, 1.0, 6.0, 2.0, 2.0, 0.8, 0.8};
