#include "core/play/reel_control.h"

#include "core/play/reach_chances.h"

#include <array>
#include <tuple>

namespace play {

namespace {

struct FlagChances {
    ReachChances allowedOrMiss;
    ReachChances prize;
    ReachChances allowed;
    ReachChances reachMe;
};

FlagChances chancesFor(const FlagCodes& codes)
{
    const CodeSet allowed = codes.allowed();
    return {ReachChances(allowed | codesOf(Flag::None).allowed()), ReachChances(codes.prize),
            ReachChances(allowed), ReachChances(codes.reachMe)};
}

// Worked out for every flag at the first stop of a session (some 15 ms).
const FlagChances& chancesOf(Flag flag)
{
    static const std::array<FlagChances, kFlagCount> chances = [] {
        return std::array<FlagChances, kFlagCount>{chancesFor(kFlagTable[0]), chancesFor(kFlagTable[1]),
                                                   chancesFor(kFlagTable[2]), chancesFor(kFlagTable[3]),
                                                   chancesFor(kFlagTable[4]), chancesFor(kFlagTable[5]),
                                                   chancesFor(kFlagTable[6])};
    }();
    return chances[static_cast<int>(flag)];
}

}  // namespace

ControlledStop controlStop(const Stops& stops, reel::Reel which, int pressPosition, Flag flag)
{
    const FlagChances& chances = chancesOf(flag);
    using Merit = std::tuple<double, bool, double, double, int>;  // rules 1 to 5, higher better
    ControlledStop chosen;
    Merit best{-1, false, -1, -1, 0};
    Stops tried = stops;
    for (int slide = 0; slide <= kMaxSlide; ++slide) {
        tried[which] = slidTo(pressPosition, slide);
        const Merit merit{chances.allowedOrMiss.at(tried), chances.prize.at(tried) > 0, chances.allowed.at(tried),
                          chances.reachMe.at(tried), -slide};
        if (merit > best) {
            best = merit;
            chosen = {tried[which], slide};
        }
    }
    return chosen;
}

bool fellBack(Flag flag, char code)
{
    return !codesOf(flag).allowed().contains(code);
}

}  // namespace play
