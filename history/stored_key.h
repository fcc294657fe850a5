#pragma once

#include <QLatin1String>
#include <QString>

#include <string_view>

// The keys the history stores (groups, cards, reels, symbols) are the core's
// stable ASCII names, so that a history reads the same in every version.
inline QString storedKey(std::string_view key)
{
    return QLatin1String(key.data(), static_cast<qsizetype>(key.size()));
}
