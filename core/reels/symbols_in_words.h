#pragma once

#include "core/pattern.h"
#include "core/reels/reel_cells.h"

#include <string>
#include <string_view>

// The symbols said in words, for those who hear the reels instead of seeing
// them: a screen reader reads these where the pictures show the symbols.
namespace reel {

// The symbol's name as the program's texts write it: 七, ＢＡＲ, 氷, …
std::u16string_view nameOf(Symbol symbol);

// The reel's name: 左リール, 中リール, 右リール.
std::u16string_view nameOf(Reel reel);

// A row's name, from the upper row (0) down: 上段, 中段, 下段.
std::u16string_view rowName(int row);

// One reel standing at an upper-row position: "上段: 七、中段: チェリー、下段: ＢＡＲ".
std::u16string reelInWords(Reel reel, int upperPosition);

// A whole pattern row by row, left to right:
// "上段: 七・七・氷、中段: チェリー・チェリー・リプレイ、下段: …".
std::u16string patternInWords(const Pattern& pattern);

}  // namespace reel
