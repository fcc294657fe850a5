#pragma once

#include <QString>

#include <string_view>

namespace ui {

// A text of the program's own, held as UTF-16, as the widgets show it.
inline QString qt(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the program's own held as UTF-8: names, keys and tables' texts.
inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ui
