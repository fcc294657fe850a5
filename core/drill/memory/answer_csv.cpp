#include "core/drill/memory/answer_csv.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

int CardNames::numberOf(std::string_view name)
{
    return numbers_.try_emplace(std::string(name), static_cast<int>(numbers_.size())).first->second;
}

namespace {

// The fields of one CSV line; nothing when a quote is left open or a quoted
// field runs into more than its comma.
std::optional<std::vector<std::string>> csvFields(std::string_view line)
{
    std::vector<std::string> fields(1);
    std::size_t i = 0;
    while (i <= line.size()) {
        std::string& field = fields.back();
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    return std::nullopt;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"')
                        ++i;
                    else
                        break;
                }
                field += line[i];
            }
            ++i;
            if (i < line.size() && line[i] != ',')
                return std::nullopt;
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            field = line.substr(i, comma - i);
            i = comma;
        }
        if (i >= line.size())
            break;
        fields.emplace_back();
        ++i;
    }
    return fields;
}

template <typename Whole>
std::optional<Whole> wholeNumber(const std::string& text, Whole least)
{
    Whole number{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || number < least)
        return std::nullopt;
    return number;
}

std::optional<bool> rightness(const std::string& text)
{
    if (text == "1" || text == "true")
        return true;
    if (text == "0" || text == "false")
        return false;
    return std::nullopt;
}

// What is wrong with a row, or nothing, reading it into `answer`.
std::string readRow(std::string_view line, CardNames& cards, CardAnswer& answer)
{
    const std::optional<std::vector<std::string>> fields = csvFields(line);
    if (!fields)
        return "a quote is not closed where it should be";
    if (fields->size() != 4)
        return "expected 4 fields, found " + std::to_string(fields->size());
    const std::string& card = (*fields)[0];
    const std::optional<std::int64_t> at = wholeNumber<std::int64_t>((*fields)[1], 0);
    const std::optional<bool> right = rightness((*fields)[2]);
    const std::optional<int> answerMs = wholeNumber<int>((*fields)[3], 0);
    if (card.empty())
        return "the card has no name";
    if (!at)
        return "answered_at_ms is not a whole number of milliseconds from 0: '" + (*fields)[1] + "'";
    if (!right)
        return "right is not 1, 0, true or false: '" + (*fields)[2] + "'";
    if (!answerMs)
        return "answer_ms is not a whole number of milliseconds from 0: '" + (*fields)[3] + "'";
    answer = {cards.numberOf(card), *at, *right, *answerMs};
    return {};
}

}  // namespace

AnswerFile readAnswerCsv(std::string_view text, CardNames& cards)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());

    AnswerFile file;
    int lineNumber = 0;
    bool headerRead = false;
    while (!text.empty()) {
        const std::size_t newline = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(std::min(newline + 1, text.size()));
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        std::string error;
        if (!headerRead) {
            headerRead = true;
            if (line != kAnswerCsvHeader)
                error = "expected the header " + std::string(kAnswerCsvHeader);
        } else if (!line.empty()) {
            CardAnswer answer;
            error = readRow(line, cards, answer);
            file.answers.push_back(answer);
            file.lines.push_back(lineNumber);
        }
        if (!error.empty())
            return {{}, {}, lineNumber, error};
    }
    if (!headerRead)
        return {{}, {}, 1, "expected the header " + std::string(kAnswerCsvHeader)};
    return file;
}
