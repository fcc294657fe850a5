#pragma once

#include "core/reels/reel_cells.h"

#include <cstdint>
#include <optional>

// A spinning reel, timed in whole microseconds so that every cell boundary
// falls on an exact number: a turn of 21 cells takes 60 s / rpm, and a cell
// passes the row every 60,000,000 / (21 · rpm) µs. As the reel turns, its
// upper-row position counts down 21, 20, …, 1, 21, as in the reel window.
//
// A press stops it as the machine does: it turns on at its speed to a cell
// boundary at or after the press and stands there, so that the strip only
// ever moves forward, and the whole path from the press to the stand follows
// from the spin and the boundary it stops on.
namespace timing {

enum Row { Upper, Middle, Lower };

constexpr int kMinRpm = 20;
constexpr int kMaxRpm = 80;

struct ReelSpin {
    int rpm = kMaxRpm;            // kMinRpm..kMaxRpm
    int startPosition = 1;        // upper-row position when the spin starts
    std::int64_t startUs = 0;     // when it starts
    // Whole cells turned when it comes to stand; none while it turns freely.
    std::optional<std::int64_t> stopSteps = std::nullopt;

    // Time in units of 1 / kCellUnits cell: whole numbers, so that a moment
    // exactly on a cell boundary counts as the next cell's first.
    static constexpr std::int64_t kCellUnits = 60'000'000;

    // How far the strip has turned at `nowUs`, in 1 / kCellUnits cells;
    // before the start it has not moved, after its stop it stands.
    std::int64_t turnedUnits(std::int64_t nowUs) const;

    // Whole cells passed at `nowUs`, and the fraction of the next one, for drawing.
    std::int64_t cellsTurned(std::int64_t nowUs) const { return turnedUnits(nowUs) / kCellUnits; }
    double exactCellsTurned(std::int64_t nowUs) const;

    // The whole cells turned at the first boundary at or after `nowUs`: the
    // cells turned when a cell stands aligned on the rows.
    std::int64_t nextAlignedStep(std::int64_t nowUs) const;
    // The first microsecond at which `steps` cells have passed.
    std::int64_t momentOfStep(std::int64_t steps) const;

    // The cell (1..21) under `row` once `steps` cells have passed.
    int cellAfter(std::int64_t steps, Row row) const;
    int cellAt(std::int64_t nowUs, Row row) const { return cellAfter(cellsTurned(nowUs), row); }
    int upperPositionAt(std::int64_t nowUs) const { return cellAt(nowUs, Upper); }

    // The same reel turning on to stand once `steps` cells (from the start,
    // not fewer than it has turned) have passed.
    ReelSpin stoppingAfter(std::int64_t steps) const;
    // When it stands still: its stop's moment; none while it turns freely.
    std::optional<std::int64_t> standUs() const;
    bool standsAt(std::int64_t nowUs) const { return stopSteps && nowUs >= *standUs(); }

    // The same reel turning at `newRpm` from `nowUs` on, standing where this
    // one stands then, to the microsecond, and stopping on the same cell.
    ReelSpin withRpm(int newRpm, std::int64_t nowUs) const;

    // Microseconds a cell takes to pass the row.
    double cellUs() const { return double(kCellUnits) / (double(reel::kPositions) * rpm); }
};

}  // namespace timing
