#pragma once

#include "core/timing/reel_spin.h"

#include <cstdint>
#include <string>

// One stop of the asked reel and how it landed on its target.
//
// As on the machine, a press stops the reel on the first cell that stands
// aligned on the row at or after it (a press exactly on a boundary: that
// cell). The presses that stop the target on the row with the slip at 0 are
// those made while the cell before it passes, and the ideal moment is the
// middle of that window, half a cell before the target stands on the row.
// So the words and the signed offset always agree: a hit lies in (−½, +½]
// cell, "N コマ遅い" in (N − ½, N + ½] cells, early the mirror.
namespace timing {

struct Target {
    reel::Reel reel = reel::Left;
    Row row = Middle;
    Symbol symbol = Symbol::Seven;
};

struct PressResult {
    std::int64_t stopSteps = 0;    // cells the spin has turned when the reel stands
    int stoppedUpperPosition = 1;  // where the reel comes to rest
    int stoppedCell = 1;           // the cell it stops on the target's row
    int targetCell = 1;            // the target's cell the offset is measured from
    bool hit = false;
    int cellsOff = 0;              // 0 on a hit; early negative, late positive
    double offsetMs = 0;           // press minus ideal moment; early negative
    double offsetCells = 0;        // the same in cells of this speed
};

// Stops `spin` at `pressUs`. With `slip` 1..4 the reel slides on up to that
// many cells further to pull the target onto the row, and the offset is then
// measured from the target it pulled in; otherwise from the nearest passage
// of the target, the later one when two are equally near. The reel turns on
// to its stop as spin.stoppingAfter(stopSteps) says.
PressResult pressAt(const ReelSpin& spin, const Target& target, int slip, std::int64_t pressUs);

// "命中 (−6 ms)", "1 コマ遅い (+38 ms)", "2 コマ早い (−80 ms)".
std::u16string resultText(const PressResult& result);

// "左リール 中段に 七".
std::u16string targetText(const Target& target);

// An offset in cells to a tenth: "0.4 コマ遅い", "1.2 コマ早い", "ぴったり".
std::u16string cellsOffText(double cells);

// The offset as shown: whole ms with a real minus sign (U+2212) or a plus.
std::u16string signedMs(double ms);

}  // namespace timing
