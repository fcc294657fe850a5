#pragma once

#include "core/drill/card_drill.h"

#include <QString>

// What the drill asks while a pattern waits for its answer.
QString questionText();

// What the drill says after an answer, line by line: right or wrong with the
// right group's caption, the pattern's read-out, the commentary's lines as
// the reel window shows them, the cheer where there is one, and how long the
// answer took.
QString verdictText(const AnswerResult& result, const Pattern& pattern, int answerMs);
