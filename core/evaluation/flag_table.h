#pragma once

#include "core/evaluation/code_set.h"

#include <array>
#include <string>
#include <string_view>

// The flag of a game (the prize the lottery drew, or the bonus held) and the
// outcome codes of the grids that may stand under it: the machine's reel
// control lets the reels stop only on those. No flag allows a code whose
// commentary says the reels do not stop there (the groups reachNoStop and
// noStop).
enum class Flag { None, Replay, Cherry, Bell, Ice, Big, Reg };

inline constexpr int kFlagCount = 7;

struct FlagCodes {
    Flag flag;
    std::string_view key;         // as the play report prints it
    std::u16string_view caption;  // what the player reads
    CodeSet prize;      // the flagged prize lined up: what the control pulls in first
    CodeSet otherwise;  // what may stand when the prize is out of reach
    CodeSet reachMe;    // with a bonus held: the reach-me patterns the control keeps possible
    constexpr CodeSet allowed() const { return prize | otherwise; }
};

// In the order of Flag. A drawn or held bonus lines up as 777 (A) or as the
// REG (G); while one is held, a reach-me of its own or one both share, a lost
// small prize (K, W, Z) or a miss (J) may stand.
inline constexpr std::array<FlagCodes, kFlagCount> kFlagTable = {{
    {Flag::None, "none", u"なし", CodeSet(), CodeSet("JIZ"), CodeSet()},
    {Flag::Replay, "replay", u"リプレイ", CodeSet("R"), CodeSet(), CodeSet()},
    {Flag::Cherry, "cherry", u"チェリー", CodeSet("B"), CodeSet("KWZ"), CodeSet()},
    {Flag::Bell, "bell", u"風鈴", CodeSet("MTg"), CodeSet("KWZ"), CodeSet()},
    {Flag::Ice, "ice", u"氷", CodeSet("NU"), CodeSet("KWZ"), CodeSet()},
    {Flag::Big, "big", u"ＢＩＧ", CodeSet("A"), CodeSet("CPeFXKWZJ"), CodeSet("CPeFX")},
    {Flag::Reg, "reg", u"ＲＥＧ", CodeSet("G"), CodeSet("EbFXKWZJ"), CodeSet("EbFX")},
}};

constexpr const FlagCodes& codesOf(Flag flag)
{
    return kFlagTable[static_cast<int>(flag)];
}

constexpr bool isBonus(Flag flag)
{
    return flag == Flag::Big || flag == Flag::Reg;
}

// A reach-me pattern: a code of the groups big, reg or br other than the
// line-ups themselves (A, G). Only a held bonus lets one stand.
inline constexpr CodeSet kReachMeCodes("CPeEbFX");
