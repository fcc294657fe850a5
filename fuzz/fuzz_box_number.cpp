// Any text in either millisecond box, through the number rule the window
// reads it with. The input's bytes are the text's UTF-16 code units,
// little-endian, so that every text a box can hold is reachable, lone
// surrogates and full-width forms included.

#include "core/box_number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

bool isPlainDecimal(const std::u16string& text)
{
    int digits = 0;
    int points = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.')
            ++points;
        else if (!((c == u'+' || c == u'-') && i == 0))
            return false;
    }
    return digits > 0 && points <= 1;
}

// A second reading of short plain decimals, through the C library: with at
// most eleven digits a double holds them closely enough that rounding half to
// even cannot come out differently.
void compareWithLibraryReading(const std::u16string& text, std::optional<std::int16_t> number)
{
    if (text.size() > 12 || !isPlainDecimal(text))
        return;
    const std::string ascii(text.begin(), text.end());
    const double rounded = std::nearbyint(std::strtod(ascii.c_str(), nullptr));
    const bool inRange = rounded >= 0 && rounded <= 32767;
    require(number.has_value() == inRange);
    if (number)
        require(*number == static_cast<std::int16_t>(rounded));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] | data[i + 1] << 8);

    const std::optional<std::int16_t> number = boxNumber(text);
    const std::optional<BoxSetting> step = stepIntervalRule(text);
    const std::optional<BoxSetting> stop = stopTimeRule(text);

    if (number)
        require(*number >= 0);
    compareWithLibraryReading(text, number);

    // The reels never get a step of 0, which would leave them standing while
    // the game waits for stops. The box is rewritten only to the default.
    if (step) {
        require(step->ms >= 1);
        require(!step->boxText || (step->ms == 100 && *step->boxText == u"100"));
    }
    if (number) {
        require(step.has_value() && stop.has_value());
        if (*number != 0)
            require(step->ms == *number && !step->boxText);
        if (!stop->boxText)
            require(stop->ms == *number);
    } else {
        // Without a number only a blank box is taken, as its default.
        require(!step || step->boxText);
        require(!stop || stop->ms == 900);
    }
    if (stop && stop->boxText)
        require((stop->ms == 900 && *stop->boxText == u"900") || (stop->ms == 950 && *stop->boxText == u"950"));
    return 0;
}
