#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// A count as the play window shows it: 1,234.
inline QString countText(std::int64_t n)
{
    return QLocale(QLocale::Japanese).toString(static_cast<qlonglong>(n));
}
