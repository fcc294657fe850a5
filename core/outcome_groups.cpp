#include "core/outcome_groups.h"

#include <cstdlib>

int groupIndexOf(char code)
{
    for (std::size_t index = 0; index < kOutcomeGroups.size(); ++index) {
        if (kOutcomeGroups[index].codes.find(code) != std::string_view::npos)
            return static_cast<int>(index);
    }
    std::abort();  // every outcome code has its group
}
