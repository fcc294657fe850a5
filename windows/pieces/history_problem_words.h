#pragma once

#include "history/history_problem.h"

#include <QString>

// A problem with the history in the player's words, for a window's sentence:
// "ほかのカレトが使っています", "ディスクがいっぱいです".
QString wordsFor(const HistoryProblem& problem);
