#pragma once

#include "core/reels/positions.h"

#include <array>

// The symbols on the three reels. Only the strip pictures show them; the
// reach-me tables are keyed by positions alone.
enum class Symbol { Seven, Bar, Ice, Chime, Cherry, Replay, VSign };

namespace reel {

using enum Symbol;

// Cell 1 to 21 of each reel, top to bottom; cell 1 follows cell 21.
// A reel at upper-row position p shows cells p, p + 1 and p + 2.
inline constexpr std::array<std::array<Symbol, 3>, kPositions> kCellSymbols = {{
    //  left      center    right
    {Seven,   Seven,   Seven  },  //  1
    {Cherry,  Cherry,  Chime  },  //  2
    {Bar,     Replay,  Ice    },  //  3
    {Chime,   Chime,   Replay },  //  4
    {Ice,     Cherry,  Cherry },  //  5
    {Replay,  Ice,     Chime  },  //  6
    {VSign,   Seven,   Bar    },  //  7
    {VSign,   Replay,  Replay },  //  8
    {VSign,   Chime,   VSign  },  //  9
    {Chime,   Bar,     Chime  },  // 10
    {Replay,  Cherry,  Ice    },  // 11
    {Bar,     Replay,  Replay },  // 12
    {Cherry,  Chime,   Cherry },  // 13
    {VSign,   Cherry,  Chime  },  // 14
    {Chime,   VSign,   Bar    },  // 15
    {Ice,     Replay,  Replay },  // 16
    {Replay,  Chime,   Cherry },  // 17
    {Chime,   Cherry,  Chime  },  // 18
    {Ice,     Ice,     Ice    },  // 19
    {Replay,  Cherry,  Replay },  // 20
    {Chime,   Replay,  Cherry },  // 21
}};

// The symbol of a cell, counting on past 21: cell 22 is cell 1.
constexpr Symbol symbolOf(Reel reel, int cell)
{
    return kCellSymbols[(cell - 1) % kPositions][reel];
}

}  // namespace reel
