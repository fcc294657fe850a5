#include "core/reels/symbols_in_words.h"

#include <array>

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

std::u16string reelInWords(Reel reel, int upperPosition)
{
    std::u16string words;
    for (int row = 0; row < 3; ++row) {
        if (row > 0)
            words += u"、";
        words += kRows[row];
        words += u": ";
        words += nameOf(symbolOf(reel, upperPosition + row));
    }
    return words;
}

std::u16string patternInWords(const Pattern& pattern)
{
    const int upper[] = {pattern.left, pattern.center, pattern.right};
    std::u16string words;
    for (int row = 0; row < 3; ++row) {
        if (row > 0)
            words += u"、";
        words += kRows[row];
        words += u": ";
        for (Reel which : kReels) {
            if (which != Left)
                words += u"・";
            words += nameOf(symbolOf(which, upper[which] + row));
        }
    }
    return words;
}

}  // namespace reel
