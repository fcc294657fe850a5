#include "core/pairs/pair_listing.h"

#include "core/csv_field.h"
#include "core/pairs/pair_words.h"

namespace {

// The keys and numbers are ASCII: each byte is its own UTF-16 unit.
std::u16string widened(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

std::u16string csvRow(StopOrder order, const StoppedPair& pair)
{
    const PairReading reading = readPair(order, pair);
    return csvQuoted(widened(stopOrderKey(order))) + u',' + widened(std::to_string(pair.left)) + u',' +
           widened(std::to_string(pair.second)) + u',' + csvQuoted(widened(verdictKey(reading.verdict))) + u',' +
           csvQuoted(widened(standingGroupKeys(reading))) + u',' + csvQuoted(stopOrderWords(order)) + u',' +
           csvQuoted(verdictWords(reading.verdict)) + u',' + csvQuoted(whatTheThirdCanBring(reading)) + u"\r\n";
}

}  // namespace

std::string pairsListing(StopOrder order)
{
    std::string lines;
    for (int left = 1; left <= reel::kPositions; ++left)
        for (int second = 1; second <= reel::kPositions; ++second) {
            const PairReading reading = readPair(order, {left, second});
            lines += std::to_string(left) + '\t' + std::to_string(second) + '\t' +
                     std::string(verdictKey(reading.verdict)) + '\t' + standingGroupKeys(reading) + '\n';
        }
    return lines;
}

std::u16string pairsCsv()
{
    std::u16string csv = u"order,left,second,verdict,groups,order_words,verdict_words,third_can_bring\r\n";
    for (StopOrder order : kStopOrders)
        for (int left = 1; left <= reel::kPositions; ++left)
            for (int second = 1; second <= reel::kPositions; ++second)
                csv += csvRow(order, {left, second});
    return csv;
}
