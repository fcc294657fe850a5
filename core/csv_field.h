#pragma once

#include <string>
#include <string_view>

// A text field of the program's CSV files: quoted, with a quote inside
// doubled; every space stays.
inline std::u16string csvQuoted(std::u16string_view text)
{
    std::u16string field = u"\"";
    for (char16_t unit : text) {
        if (unit == u'"')
            field += u'"';
        field += unit;
    }
    return field + u'"';
}
