#pragma once

#include "core/drill/memory/card_answer.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The cards of answer files by name: each name is numbered as first met, so
// that the answers of two files to one card share its number.
class CardNames {
public:
    int numberOf(std::string_view name);

private:
    std::unordered_map<std::string, int> numbers_;
};

// Answers read from CSV text, in the text's order.
struct AnswerFile {
    std::vector<CardAnswer> answers;
    std::vector<int> lines;  // the line each answer was on, from 1
    int errorLine = 0;       // the malformed line, 0 when the text was read whole
    std::string error;       // what is wrong on it
};

inline constexpr std::string_view kAnswerCsvHeader = "card,answered_at_ms,right,answer_ms";

// Reads answers from CSV text whose first line is kAnswerCsvHeader. A card
// is any name (quoted as CSV quotes, where it holds a comma or a quote);
// answered_at_ms the whole milliseconds since 1970, UTC; right 1 or 0 (true
// or false); answer_ms how long the answer took, in whole milliseconds.
// Rows may come in any order; blank lines are passed over. At the first
// malformed line reading stops and gives no answers, only the line's number
// and what is wrong with it.
AnswerFile readAnswerCsv(std::string_view text, CardNames& cards);
