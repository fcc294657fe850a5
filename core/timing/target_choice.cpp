#include "core/timing/target_choice.h"

#include <algorithm>
#include <vector>

namespace timing {

Target randomTarget(reel::Reel reel, SeededRandom& random)
{
    std::vector<Symbol> symbols;
    for (const auto& cell : reel::kCellSymbols)
        if (std::find(symbols.begin(), symbols.end(), cell[reel]) == symbols.end())
            symbols.push_back(cell[reel]);
    const Symbol symbol = symbols[static_cast<std::size_t>(random.below(static_cast<int>(symbols.size())))];
    return {reel, static_cast<Row>(random.below(3)), symbol};
}

}  // namespace timing
