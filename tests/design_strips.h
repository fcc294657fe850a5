#pragma once

#include <QImage>

#include <array>

// The reels' pictures as the program draws them, from the tests' resources.
inline std::array<QImage, 3> designStrips()
{
    return {QImage(":/pictures/r1.bmp"), QImage(":/pictures/r2.bmp"), QImage(":/pictures/r3.bmp")};
}
