#pragma once

#include "core/drill/drill.h"

#include <QString>

// What the drill says after an answer, line by line: right or wrong with the
// right group's caption, the pattern's read-out, the commentary's lines as
// the reel window shows them, and the cheer where there is one.
QString verdictText(const Verdict& verdict, const Pattern& pattern);
