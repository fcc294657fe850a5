#pragma once

#include "core/reels/reel_cells.h"

#include <cstdint>

// A spinning reel, timed in whole microseconds so that every cell boundary
// falls on an exact number: a turn of 21 cells takes 60 s / rpm, and a cell
// passes the row every 60,000,000 / (21 · rpm) µs. As the reel turns, its
// upper-row position counts down 21, 20, …, 1, 21, as in the reel window.
namespace timing {

enum Row { Upper, Middle, Lower };

constexpr int kMinRpm = 20;
constexpr int kMaxRpm = 80;

struct ReelSpin {
    int rpm = kMaxRpm;            // kMinRpm..kMaxRpm
    int startPosition = 1;        // upper-row position when the spin starts
    std::int64_t startUs = 0;     // when it starts

    // Time in units of 1 / kCellUnits cell: whole numbers, so that a moment
    // exactly on a cell boundary counts as the next cell's first.
    static constexpr std::int64_t kCellUnits = 60'000'000;

    // How far the strip has turned at `nowUs`, in 1 / kCellUnits cells;
    // before the start it has not moved.
    std::int64_t turnedUnits(std::int64_t nowUs) const;

    // Whole cells passed at `nowUs`, and the fraction of the next one, for drawing.
    std::int64_t cellsTurned(std::int64_t nowUs) const { return turnedUnits(nowUs) / kCellUnits; }
    double exactCellsTurned(std::int64_t nowUs) const;

    // The cell (1..21) under `row` once `steps` cells have passed.
    int cellAfter(std::int64_t steps, Row row) const;
    int cellAt(std::int64_t nowUs, Row row) const { return cellAfter(cellsTurned(nowUs), row); }
    int upperPositionAt(std::int64_t nowUs) const { return cellAt(nowUs, Upper); }

    // The same reel turning at `newRpm` from `nowUs` on, standing where this
    // one stands then, to the microsecond.
    ReelSpin withRpm(int newRpm, std::int64_t nowUs) const;

    // Microseconds a cell takes to pass the row.
    double cellUs() const { return double(kCellUnits) / (double(reel::kPositions) * rpm); }
};

}  // namespace timing
