#pragma once

#include "core/timing/reel_spin.h"

#include <cstdint>
#include <string>

// One stop of the asked reel and how it landed on its target.
//
// The ideal moment for a press is the middle of the time a target cell spends
// on the row: a press within half a cell of it stops on the target (命中) with
// the slip at 0, so the words and the signed offset always agree: a hit lies
// in [−½, +½) cell, "N コマ遅い" in [N − ½, N + ½) cells, early the mirror.
namespace timing {

struct Target {
    reel::Reel reel = reel::Left;
    Row row = Middle;
    Symbol symbol = Symbol::Seven;
};

struct PressResult {
    int stoppedUpperPosition = 1;  // where the reel comes to rest
    int stoppedCell = 1;           // the cell it stops on the target's row
    bool hit = false;
    int cellsOff = 0;              // 0 on a hit; early negative, late positive
    double offsetMs = 0;           // press minus ideal moment; early negative
    double offsetCells = 0;        // the same in cells of this speed
};

// Stops `spin` at `pressUs`. With `slip` 1..4 the reel slides forward up to
// that many cells to pull the target onto the row, and the offset is then
// measured from the target it pulled in; otherwise from the nearest passage
// of the target, the later one when two are equally near.
PressResult pressAt(const ReelSpin& spin, const Target& target, int slip, std::int64_t pressUs);

// "命中 (−6 ms)", "1 コマ遅い (+38 ms)", "2 コマ早い (−80 ms)".
std::u16string resultText(const PressResult& result);

// "左リール 中段に 七".
std::u16string targetText(const Target& target);

// The offset as shown: whole ms with a real minus sign (U+2212) or a plus.
std::u16string signedMs(double ms);

}  // namespace timing
