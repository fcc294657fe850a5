#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

// The numbers of `kareto --play GAMES [--setting 1..6] [--seed N]`, read
// from the words typed, so that the command line can say what is wrong with
// each: a word such as "-5" is a negative number here, never an option.
namespace play {

inline constexpr std::int64_t kMaxGames = 1'000'000'000;

enum class ArgumentFault {
    NotWholeNumber,  // empty, letters, a fraction, an exponent, blanks
    Negative,        // a whole number below zero
    TooLarge,        // GAMES above kMaxGames, a seed above 2^64 - 1
    NotASetting,     // a whole number outside 1..6
};

// A whole number is an optional sign and decimal digits, nothing else.
std::variant<std::int64_t, ArgumentFault> readGames(std::string_view text);
std::variant<int, ArgumentFault> readSetting(std::string_view text);
std::variant<std::uint64_t, ArgumentFault> readSeed(std::string_view text);

}  // namespace play
