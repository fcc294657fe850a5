#include "core/play/play_arguments.h"

#include "core/setting_estimate/setting_odds.h"

#include <limits>

namespace play {

namespace {

struct WholeNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool saturated = false;  // more than the uint64 range holds

    bool belowZero() const { return negative && (magnitude != 0 || saturated); }
};

// Digits beyond the uint64 range are not added in, so that any length of
// digits reads as too large, never as a number wrapped round.
std::variant<WholeNumber, ArgumentFault> readWhole(std::string_view text)
{
    WholeNumber number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return ArgumentFault::NotWholeNumber;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (const char c : text) {
        if (c < '0' || c > '9')
            return ArgumentFault::NotWholeNumber;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (number.magnitude > (kMax - digit) / 10)
            number.saturated = true;
        else
            number.magnitude = number.magnitude * 10 + digit;
    }
    return number;
}

}  // namespace

std::variant<std::int64_t, ArgumentFault> readGames(std::string_view text)
{
    const auto read = readWhole(text);
    if (const auto* fault = std::get_if<ArgumentFault>(&read))
        return *fault;
    const WholeNumber& number = std::get<WholeNumber>(read);
    if (number.belowZero())
        return ArgumentFault::Negative;
    if (number.saturated || number.magnitude > static_cast<std::uint64_t>(kMaxGames))
        return ArgumentFault::TooLarge;
    return static_cast<std::int64_t>(number.magnitude);
}

std::variant<int, ArgumentFault> readSetting(std::string_view text)
{
    const auto read = readWhole(text);
    if (const auto* fault = std::get_if<ArgumentFault>(&read))
        return *fault;
    const WholeNumber& number = std::get<WholeNumber>(read);
    if (number.negative || number.saturated || number.magnitude < 1 || number.magnitude > setting_odds::kSettings)
        return ArgumentFault::NotASetting;
    return static_cast<int>(number.magnitude);
}

std::variant<std::uint64_t, ArgumentFault> readSeed(std::string_view text)
{
    const auto read = readWhole(text);
    if (const auto* fault = std::get_if<ArgumentFault>(&read))
        return *fault;
    const WholeNumber& number = std::get<WholeNumber>(read);
    if (number.belowZero())
        return ArgumentFault::Negative;
    if (number.saturated)
        return ArgumentFault::TooLarge;
    return number.magnitude;
}

}  // namespace play
