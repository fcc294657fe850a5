#include "core/reach_me_patterns.h"

#include "core/evaluation/judgement.h"
#include "core/evaluation/legend.h"

namespace patterns {

std::array<int, kOutcomeGroups.size()> groupCounts(int left)
{
    std::array<int, kOutcomeGroups.size()> counts{};
    for (int center = 1; center <= reel::kPositions; ++center)
        for (int right = 1; right <= reel::kPositions; ++right)
            ++counts[static_cast<std::size_t>(groupIndexOf(outcomeCodeOf({left, center, right})))];
    return counts;
}

std::vector<std::u16string> commentaryLines(char code)
{
    static constexpr std::u16string_view kLineBreak = u"\r\n";
    const std::u16string& commentary = outcomeOf(code).commentary;
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = commentary.find(kLineBreak, start)) != std::u16string::npos;
         start = end + kLineBreak.size())
        lines.push_back(commentary.substr(start, end - start));
    lines.push_back(commentary.substr(start));
    return lines;
}

}  // namespace patterns
