#include "core/box_number.h"

namespace {

constexpr int kLargest = 32767;

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

// The text without its surrounding blanks, full-width forms turned to ASCII;
// any other character is kept as a character that no number contains.
std::string asciiForm(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::string ascii;
    ascii.reserve(text.size());
    for (char16_t c : text) {
        if (c >= u'０' && c <= u'９')
            ascii += static_cast<char>('0' + (c - u'０'));
        else if (c == u'＋' || c == u'－' || c == u'．')
            ascii += static_cast<char>(c - u'＋' + '+');
        else if (c < 0x80)
            ascii += static_cast<char>(c);
        else
            ascii += '\x7f';
    }
    return ascii;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<std::int16_t> numberOf(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    for (std::string_view part : {whole, fraction})
        for (char c : part)
            if (!isDigit(c))
                return std::nullopt;

    // Exact decimal rounding: long inputs never pass through a float.
    long value = 0;
    for (char c : whole) {
        value = value * 10 + (c - '0');
        if (value > kLargest + 1)
            return std::nullopt;
    }
    const std::size_t firstNonZero = fraction.find_first_not_of('0', 1);
    const bool aboveHalf = !fraction.empty() &&
                           (fraction[0] > '5' || (fraction[0] == '5' && firstNonZero != std::string_view::npos));
    const bool exactlyHalf = !fraction.empty() && fraction[0] == '5' && firstNonZero == std::string_view::npos;
    if (aboveHalf || (exactlyHalf && value % 2 == 1))
        ++value;

    if (value > kLargest || (negative && value != 0))
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::optional<std::int16_t> boxNumber(std::u16string_view text)
{
    return numberOf(asciiForm(text));
}

std::optional<BoxSetting> stepIntervalRule(std::u16string_view text)
{
    const std::string ascii = asciiForm(text);
    const BoxSetting fallback{100, u"100"};
    if (ascii.empty())
        return fallback;
    const std::optional<std::int16_t> ms = numberOf(ascii);
    if (!ms)
        return std::nullopt;
    if (*ms == 0)
        return fallback;
    return BoxSetting{*ms, std::nullopt};
}

std::optional<BoxSetting> stopTimeRule(std::u16string_view text)
{
    const std::string ascii = asciiForm(text);
    if (ascii == "0")
        return BoxSetting{950, u"950"};
    if (ascii.empty())
        return BoxSetting{900, u"900"};
    const std::optional<std::int16_t> ms = numberOf(ascii);
    if (!ms)
        return std::nullopt;
    return BoxSetting{*ms, std::nullopt};
}
