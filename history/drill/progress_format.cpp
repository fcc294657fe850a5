#include "history/drill/progress_format.h"

#include "core/drill/cards/card_deck.h"
#include "history/stored_key.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

// The first format kept the patterns got wrong, each due at a question number.
constexpr int kPatternFormat = 1;

// Whole numbers up to 2^53 stay exact in JSON's numbers.
constexpr double kLargestWhole = 9007199254740992.0;

QJsonObject tallyToJson(const Tally& tally)
{
    return {{"answered", tally.answered}, {"right", tally.right}};
}

QString keyOf(const OutcomeGroup& group)
{
    return storedKey(group.key);
}

// A whole number from low to high, or nothing.
std::optional<std::int64_t> wholeNumber(const QJsonValue& value, double low, double high = std::numeric_limits<int>::max())
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < low || number > high)
        return std::nullopt;
    return static_cast<std::int64_t>(number);
}

std::optional<int> smallNumber(const QJsonValue& value, int low, int high = std::numeric_limits<int>::max())
{
    const std::optional<std::int64_t> number = wholeNumber(value, low, high);
    return number ? std::optional<int>(static_cast<int>(*number)) : std::nullopt;
}

std::optional<double> realNumber(const QJsonValue& value, double low, double high)
{
    if (!value.isDouble() || !(value.toDouble() >= low && value.toDouble() <= high))
        return std::nullopt;
    return value.toDouble();
}

std::optional<Tally> tallyFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const std::optional<int> answered = smallNumber(object["answered"], 0);
    const std::optional<int> right = smallNumber(object["right"], 0);
    if (!answered || !right || *right > *answered)
        return std::nullopt;
    return Tally{*answered, *right};
}

std::optional<Score> scoreFromJson(const QJsonObject& document)
{
    Score score;
    const std::optional<Tally> total = tallyFromJson(document);
    const std::optional<int> streak = smallNumber(document["streak"], 0);
    if (!total || !streak || *streak > total->right)
        return std::nullopt;
    score.total = *total;
    score.streak = *streak;
    const QJsonObject groups = document["groups"].toObject();
    Tally sum;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group) {
        const std::optional<Tally> tally = tallyFromJson(groups[keyOf(kOutcomeGroups[group])]);
        if (!tally)
            return std::nullopt;
        score.groups[group] = *tally;
        sum.answered += tally->answered;
        sum.right += tally->right;
    }
    if (sum != score.total)
        return std::nullopt;
    return score;
}

QJsonObject cardToJson(const CardState& state)
{
    return {
        {"phase", static_cast<int>(state.phase)},
        {"stability", state.memory.stability},
        {"difficulty", state.memory.difficulty},
        {"step", state.step},
        {"last", static_cast<double>(state.lastAnswerMs)},
        {"due", static_cast<double>(state.dueMs)},
        {"answers", state.answers},
        {"lapses", state.lapses},
    };
}

std::optional<CardState> cardFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const std::optional<int> phase = smallNumber(object["phase"], static_cast<int>(Phase::Learning),
        static_cast<int>(Phase::Relearning));
    const std::optional<double> stability = realNumber(object["stability"], MemoryModel::kLeastStability, 1e6);
    const std::optional<double> difficulty = realNumber(object["difficulty"], 1.0, 10.0);
    const std::optional<int> step = smallNumber(object["step"], 0, static_cast<int>(kLearningStepsMs.size()) - 1);
    const std::optional<std::int64_t> last = wholeNumber(object["last"], 0, kLargestWhole);
    const std::optional<std::int64_t> due = wholeNumber(object["due"], 0, kLargestWhole);
    const std::optional<int> answers = smallNumber(object["answers"], 0);
    const std::optional<int> lapses = smallNumber(object["lapses"], 0);
    if (!phase || !stability || !difficulty || !step || !last || !due || !answers || !lapses)
        return std::nullopt;
    return CardState{static_cast<Phase>(*phase), {*stability, *difficulty}, *step, *last, *due, *answers, *lapses};
}

// A card taken over from a pattern got wrong: forgotten, due now.
CardState dueNow(std::int64_t nowMs)
{
    CardState state;
    state.phase = Phase::Learning;
    state.memory = MemoryModel().first(Grade::Again);
    state.lastAnswerMs = nowMs;
    state.dueMs = nowMs;
    state.answers = 1;
    return state;
}

bool readPatternsDue(const QJsonValue& due, std::vector<CardState>& cards, std::int64_t nowMs)
{
    if (!due.isArray())
        return false;
    for (const QJsonValue& value : due.toArray()) {
        const QJsonArray positions = value.toObject()["pattern"].toArray();
        if (positions.size() != 3)
            return false;
        std::optional<int> at[3];
        for (int i = 0; i < 3; ++i)
            at[i] = smallNumber(positions[i], 1, reel::kPositions);
        if (!at[0] || !at[1] || !at[2])
            return false;
        cards[static_cast<std::size_t>(CardDeck::instance().cardOf({*at[0], *at[1], *at[2]}))] = dueNow(nowMs);
    }
    return true;
}

bool readCards(const QJsonValue& value, std::vector<CardState>& cards)
{
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        const int card = CardDeck::instance().cardOfKey(entry.key().toStdString());
        const std::optional<CardState> state = cardFromJson(entry.value());
        if (card < 0 || !state)
            return false;
        cards[static_cast<std::size_t>(card)] = *state;
    }
    return true;
}

}  // namespace

QByteArray progressToJson(const Progress& progress)
{
    QJsonObject groups;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group)
        groups[keyOf(kOutcomeGroups[group])] = tallyToJson(progress.score.groups[group]);
    QJsonObject cards;
    for (std::size_t card = 0; card < progress.cards.size(); ++card)
        if (progress.cards[card].phase != Phase::New)
            cards[QString::fromStdString(CardDeck::instance().keyOf(static_cast<int>(card)))] =
                cardToJson(progress.cards[card]);
    QJsonObject document = tallyToJson(progress.score.total);
    document["format"] = kProgressFormat;
    document["streak"] = progress.score.streak;
    document["groups"] = groups;
    document["cards"] = cards;
    document["day"] = QJsonObject{{"day", static_cast<double>(progress.day.day)},
        {"reviews", progress.day.reviews}, {"newCards", progress.day.newCards}};
    document["retention"] = progress.settings.retention;
    document["newCardCap"] = progress.settings.newCardCap;
    return QJsonDocument(document).toJson();
}

std::optional<Progress> progressFromJson(const QByteArray& json, std::int64_t nowMs)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const std::optional<int> format = smallNumber(root["format"], kPatternFormat, kProgressFormat);
    const std::optional<Score> score = scoreFromJson(root);
    if (!format || !score)
        return std::nullopt;
    Progress progress{*score, std::vector<CardState>(static_cast<std::size_t>(CardDeck::instance().size())), {}, {}};
    if (*format == kPatternFormat)
        return readPatternsDue(root["due"], progress.cards, nowMs) ? std::optional(progress) : std::nullopt;

    const QJsonObject day = root["day"].toObject();
    const std::optional<std::int64_t> dayNumber = wholeNumber(day["day"], 0, kLargestWhole);
    const std::optional<int> reviews = smallNumber(day["reviews"], 0);
    const std::optional<int> newCards = smallNumber(day["newCards"], 0);
    const std::optional<double> retention = realNumber(root["retention"], kLeastRetention, kMostRetention);
    const std::optional<int> cap = smallNumber(root["newCardCap"], 0, kMostNewCardsADay);
    if (!readCards(root["cards"], progress.cards) || !dayNumber || !reviews || !newCards || !retention || !cap)
        return std::nullopt;
    progress.day = {*dayNumber, *reviews, *newCards};
    progress.settings = {*retention, *cap, 0};
    return progress;
}
