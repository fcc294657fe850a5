#pragma once

#include "core/drill/card_drill.h"

#include <QString>
#include <QStringList>

// What the drill asks while a pattern waits for its answer.
QString questionText();

// What the drill says after an answer, line by line: right or wrong with the
// right group's caption, the pattern's read-out, the commentary's lines as
// the reel window shows them, the cheer where there is one, and how long the
// answer took.
QString verdictText(const AnswerResult& result, const Pattern& pattern, int answerMs);

// What the drill asks while two stopped reels wait for their answer.
QString pairQuestionText();

// What the drill says after the answer to a pair, line by line: right or
// wrong with the right verdict, the pair's read-out and order, what the third
// reel can still bring, and how long the answer took.
QString pairVerdictText(const AnswerResult& result, StopOrder order, const StoppedPair& pair, int answerMs);

// For each verdict, the longest of what the drill may say after a pair's
// answer: what the box that shows it is sized by.
QStringList longestPairVerdicts();
