#pragma once

#include "core/reels/positions.h"

#include <QLatin1String>
#include <QString>

#include <string_view>

// The keys the history stores (groups, cards, reels, symbols) are the core's
// stable ASCII names, so that a history reads the same in every version.
inline QString storedKey(std::string_view key)
{
    return QLatin1String(key.data(), static_cast<qsizetype>(key.size()));
}

// A reel as every table of the history spells it: left, center, right.
inline QString storedReelKey(reel::Reel which)
{
    static constexpr std::string_view kReelKeys[] = {"left", "center", "right"};
    return storedKey(kReelKeys[which]);
}
