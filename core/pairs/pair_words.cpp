#include "core/pairs/pair_words.h"

namespace {

// Lists the groups that can still stand, in the groups' order.
template <typename Text>
Text joinStanding(const PairReading& reading, auto wordOf, const Text& separator)
{
    Text joined;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group) {
        if (reading.standing[group] == 0)
            continue;
        if (!joined.empty())
            joined += separator;
        joined += wordOf(kOutcomeGroups[group]);
    }
    return joined;
}

}  // namespace

std::string_view stopOrderKey(StopOrder order)
{
    return order == StopOrder::LeftCenter ? "left-center" : "left-right";
}

std::optional<StopOrder> stopOrderOfKey(std::string_view key)
{
    for (StopOrder order : kStopOrders)
        if (stopOrderKey(order) == key)
            return order;
    return std::nullopt;
}

std::u16string_view stopOrderWords(StopOrder order)
{
    return order == StopOrder::LeftCenter ? u"順押し" : u"はさみ打ち";
}

std::string_view verdictKey(PairVerdict verdict)
{
    switch (verdict) {
    case PairVerdict::Big:
        return "BIG";
    case PairVerdict::Reg:
        return "REG";
    case PairVerdict::Bonus:
        return "BONUS";
    case PairVerdict::Open:
        return "OPEN";
    case PairVerdict::NoStop:
        break;
    }
    return "NOSTOP";
}

std::u16string_view verdictWords(PairVerdict verdict)
{
    switch (verdict) {
    case PairVerdict::Big:
        return u"ＢＩＧ確定";
    case PairVerdict::Reg:
        return u"ＲＥＧ確定";
    case PairVerdict::Bonus:
        return u"ボーナス確定";
    case PairVerdict::Open:
        return u"まだ分からない";
    case PairVerdict::NoStop:
        break;
    }
    return u"止まらない";
}

std::string standingGroupKeys(const PairReading& reading)
{
    return joinStanding(reading, [](const OutcomeGroup& group) { return group.key; }, std::string(","));
}

std::u16string whatTheThirdCanBring(const PairReading& reading)
{
    return joinStanding(reading, [](const OutcomeGroup& group) { return group.caption; }, std::u16string(u"、"));
}

std::string readOutOf(StopOrder order, const StoppedPair& pair)
{
    const std::string left = std::to_string(pair.left);
    const std::string second = std::to_string(pair.second);
    return order == StopOrder::LeftCenter ? left + "-" + second + "-?" : left + "-?-" + second;
}
