#pragma once

#include <cstdint>
#include <random>

// Random choices from a seed, the same on every run and every standard
// library for the same seed, so that tests can fix what the drills ask.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

    // A whole number from 0 to below - 1; below must be positive.
    int below(int below);

    // A whole number from low to high, both included.
    int between(int low, int high) { return low + below(high - low + 1); }

    // A number from 0 up to, not including, 1: the top 53 bits of a draw,
    // the same on every library.
    double unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};
