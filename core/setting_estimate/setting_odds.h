#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The machine's bonus odds at each of its six settings (設定), one BIG and one
// REG in so many games, written as the reel window's setting table prints
// them. The table's texts and the setting estimate both come from here.
namespace setting_odds {

inline constexpr int kSettings = 6;

struct Odds {
    std::string_view big;  // N of 1/N, as printed
    std::string_view reg;
};

inline constexpr std::array<Odds, kSettings> kOdds = {{
    {"297.891", "420.103"},
    {"277.695", "420.103"},
    {"264.258", "420.103"},
    {"252.062", "420.103"},
    {"244.537", "390.095"},
    {"240.941", "364.089"},
}};

// A printed odds as a number: digits with at most one decimal point.
constexpr double valueOf(std::string_view printed)
{
    double value = 0;
    double scale = 1;
    bool fraction = false;
    for (const char c : printed) {
        if (c == '.') {
            fraction = true;
        } else if (fraction) {
            scale /= 10;
            value += (c - '0') * scale;
        } else {
            value = value * 10 + (c - '0');
        }
    }
    return value;
}

// The chance of a BIG, and of a REG, in one game at a setting 1..6.
constexpr double bigChance(int setting) { return 1.0 / valueOf(kOdds[setting - 1].big); }
constexpr double regChance(int setting) { return 1.0 / valueOf(kOdds[setting - 1].reg); }

// The reel window's row for a setting: "   1    1/297.891    1/420.103",
// its runs of spaces aligning the columns.
inline constexpr std::size_t kRowLength = 30;
using Row = std::array<char, kRowLength + 1>;

constexpr Row rowOf(int setting)
{
    Row row{};
    std::size_t at = 0;
    auto put = [&](std::string_view text) {
        for (const char c : text)
            row[at++] = c;
    };
    put("   ");
    row[at++] = static_cast<char>('0' + setting);
    put("    1/");
    put(kOdds[setting - 1].big);
    put("    1/");
    put(kOdds[setting - 1].reg);
    return row;
}

inline constexpr std::array<Row, kSettings> kRows = {rowOf(1), rowOf(2), rowOf(3), rowOf(4), rowOf(5), rowOf(6)};

constexpr std::string_view rowText(int setting)
{
    return {kRows[setting - 1].data(), kRowLength};
}

}  // namespace setting_odds
