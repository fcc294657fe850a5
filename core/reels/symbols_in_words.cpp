#include "core/reels/symbols_in_words.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace reel {

namespace {

constexpr std::array<std::u16string_view, 3> kRows = {u"上段", u"中段", u"下段"};

}  // namespace

std::u16string_view nameOf(Symbol symbol)
{
    switch (symbol) {
    case Seven: return u"七";
    case Bar: return u"ＢＡＲ";
    case Ice: return u"氷";
    case Chime: return u"風鈴";
    case Cherry: return u"チェリー";
    case Replay: return u"リプレイ";
    case VSign: return u"Ｖサイン";
    }
    return {};
}

std::u16string_view nameOf(Reel reel)
{
    static constexpr std::u16string_view kReelNames[] = {u"左リール", u"中リール", u"右リール"};
    return kReelNames[reel];
}

std::u16string_view rowName(int row)
{
    return kRows[static_cast<std::size_t>(row)];
}

namespace {

// Row by row, the symbols of the given reels standing at the given upper rows,
// joined by ・ within a row.
std::u16string rowsInWords(std::initializer_list<std::pair<Reel, int>> reels)
{
    std::u16string words;
    for (int row = 0; row < 3; ++row) {
        if (row > 0)
            words += u"、";
        words += kRows[row];
        words += u": ";
        bool first = true;
        for (const auto& [which, upper] : reels) {
            if (!first)
                words += u"・";
            first = false;
            words += nameOf(symbolOf(which, upper + row));
        }
    }
    return words;
}

}  // namespace

std::u16string reelInWords(Reel reel, int upperPosition)
{
    return rowsInWords({{reel, upperPosition}});
}

std::u16string patternInWords(const Pattern& pattern)
{
    return rowsInWords({{Left, pattern.left}, {Center, pattern.center}, {Right, pattern.right}});
}

}  // namespace reel
