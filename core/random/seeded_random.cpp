#include "core/random/seeded_random.h"

int SeededRandom::below(int below)
{
    // Draws past the last whole multiple of `below` are drawn again, so that
    // every value is equally likely (the standard distributions differ
    // between libraries).
    const auto range = static_cast<std::uint64_t>(below);
    const std::uint64_t limit = std::mt19937_64::max() - std::mt19937_64::max() % range;
    std::uint64_t draw = engine_();
    while (draw >= limit)
        draw = engine_();
    return static_cast<int>(draw % range);
}
