#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the window reads the two millisecond boxes, the reels' step interval and
// auto play's stop time.
//
// A number is an optional sign, decimal digits and an optional decimal
// fraction. Blanks around it are ignored, and full-width digits, signs and
// point read like their ASCII forms, as a Japanese input method types them.
// It is taken to the nearest whole number, halves to even (2.5 gives 2, 3.5
// gives 4), and must then lie in 0..32767.

// The number in a box, or nothing when the text is no such number.
std::optional<std::int16_t> boxNumber(std::u16string_view text);

struct BoxSetting {
    std::int16_t ms = 0;
    std::optional<std::u16string> boxText;  // the text the box is to show instead, if any
};

// Step interval from the speed box: empty, or anything that reads as 0, gives
// 100 ms and puts "100" in the box. Nothing when the text is no number.
std::optional<BoxSetting> stepIntervalRule(std::u16string_view text);

// Stop time from the auto-play box: "0" gives 950 ms and empty gives 900 ms,
// each written back to the box; any other text is its number, so "00" gives 0,
// a timer that never ticks. Nothing when the text is no number.
std::optional<BoxSetting> stopTimeRule(std::u16string_view text);
