#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The meanings a player learns to tell apart: every outcome code belongs to
// exactly one group. The drill asks for a group; the reach-me table colours
// its cells by group.
struct OutcomeGroup {
    std::string_view key;         // stable name, used in object names and saved progress
    std::u16string_view caption;  // what the player reads
    std::u16string_view mark;     // one character for a grid cell
    std::uint32_t colour;         // 0xRRGGBB
    std::string_view codes;       // the outcome codes of the group
};

// A is 777 on a line, a BIG itself; e is the BIG reach-me text without the
// cheer; X, a reach-me with a bell prize, names no bonus, so it stands with
// the reach-me patterns both bonuses share.
inline constexpr std::array<OutcomeGroup, 8> kOutcomeGroups = {{
    {"big", u"ＢＩＧ", u"Ｂ", 0xE53935, "ACPe"},
    {"reg", u"ＲＥＧ", u"Ｒ", 0x1E88E5, "EGb"},
    {"br", u"Ｂ＆Ｒ共通", u"共", 0x8E24AA, "FX"},
    {"reachNoStop", u"リーチ目だけど止まらない", u"△", 0xFB8C00, "DOQSVYadf"},
    {"noStop", u"止まらない", u"×", 0x9E9E9E, "HLch"},
    {"small", u"小役", u"小", 0x43A047, "BMNRTUg"},
    {"missOrBonus", u"取りこぼし or ボーナス", u"？", 0xFDD835, "KWZ"},
    {"miss", u"はずれ", u"・", 0xFFFFFF, "IJ"},
}};

// The index in kOutcomeGroups of the group holding an outcome code; the code
// must satisfy isOutcomeCode.
int groupIndexOf(char code);
