#pragma once

#include <QColor>
#include <QString>

#include <cstddef>

// An outcome group's caption and colour as the windows show them.
QString captionOf(std::size_t group);
QColor colourOf(std::size_t group);
