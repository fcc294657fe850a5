#pragma once

#include <QLocale>
#include <QString>
#include <QtMath>

#include <cstdint>

// A count as the windows show it: 1,234.
inline QString countText(std::int64_t n)
{
    return QLocale(QLocale::Japanese).toString(static_cast<qlonglong>(n));
}

// A share of 0..1 as a whole percentage: 37%.
inline QString percentText(double share)
{
    return QStringLiteral("%1%").arg(qRound(100 * share));
}
