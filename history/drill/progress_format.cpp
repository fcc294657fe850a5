#include "history/drill/progress_format.h"

#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/pairs/pair_words.h"
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

// The keys a score's answers are kept under: the groups' keys, the verdicts'.
template <std::size_t Answers>
std::array<QString, Answers> answerKeys();

template <>
std::array<QString, kOutcomeGroups.size()> answerKeys()
{
    std::array<QString, kOutcomeGroups.size()> keys;
    for (std::size_t group = 0; group < keys.size(); ++group)
        keys[group] = storedKey(kOutcomeGroups[group].key);
    return keys;
}

template <>
std::array<QString, kPairVerdicts.size()> answerKeys()
{
    std::array<QString, kPairVerdicts.size()> keys;
    for (std::size_t verdict = 0; verdict < keys.size(); ++verdict)
        keys[verdict] = storedKey(verdictKey(kPairVerdicts[verdict]));
    return keys;
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

// A score with its answers under `answersName` ("groups", "verdicts"),
// whose tallies add up to the total.
template <std::size_t Answers>
std::optional<ScoreOf<Answers>> scoreFromJson(const QJsonObject& document, const char* answersName)
{
    ScoreOf<Answers> score;
    const std::optional<Tally> total = tallyFromJson(document);
    const std::optional<int> streak = smallNumber(document["streak"], 0);
    if (!total || !streak || *streak > total->right)
        return std::nullopt;
    score.total = *total;
    score.streak = *streak;
    const QJsonObject answers = document[QLatin1String(answersName)].toObject();
    const std::array<QString, Answers> keys = answerKeys<Answers>();
    Tally sum;
    for (std::size_t answer = 0; answer < Answers; ++answer) {
        const std::optional<Tally> tally = tallyFromJson(answers[keys[answer]]);
        if (!tally)
            return std::nullopt;
        score.byAnswer[answer] = *tally;
        sum.answered += tally->answered;
        sum.right += tally->right;
    }
    if (sum != score.total)
        return std::nullopt;
    return score;
}

template <std::size_t Answers>
QJsonObject scoreToJson(const ScoreOf<Answers>& score, const char* answersName)
{
    QJsonObject answers;
    const std::array<QString, Answers> keys = answerKeys<Answers>();
    for (std::size_t answer = 0; answer < Answers; ++answer)
        answers[keys[answer]] = tallyToJson(score.byAnswer[answer]);
    QJsonObject document = tallyToJson(score.total);
    document["streak"] = score.streak;
    document[QLatin1String(answersName)] = answers;
    return document;
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

template <typename Deck>
bool readCards(const QJsonValue& value, std::vector<CardState>& cards)
{
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        const int card = Deck::instance().cardOfKey(entry.key().toStdString());
        const std::optional<CardState> state = cardFromJson(entry.value());
        if (card < 0 || !state)
            return false;
        cards[static_cast<std::size_t>(card)] = *state;
    }
    return true;
}

template <typename Deck>
QJsonObject cardsToJson(const std::vector<CardState>& states)
{
    QJsonObject cards;
    for (std::size_t card = 0; card < states.size(); ++card)
        if (states[card].phase != Phase::New)
            cards[QString::fromStdString(Deck::instance().keyOf(static_cast<int>(card)))] = cardToJson(states[card]);
    return cards;
}

QJsonObject dayToJson(const DayTally& day)
{
    return {{"day", static_cast<double>(day.day)}, {"reviews", day.reviews}, {"newCards", day.newCards}};
}

std::optional<DayTally> dayFromJson(const QJsonValue& value)
{
    const QJsonObject day = value.toObject();
    const std::optional<std::int64_t> dayNumber = wholeNumber(day["day"], 0, kLargestWhole);
    const std::optional<int> reviews = smallNumber(day["reviews"], 0);
    const std::optional<int> newCards = smallNumber(day["newCards"], 0);
    if (!dayNumber || !reviews || !newCards)
        return std::nullopt;
    return DayTally{*dayNumber, *reviews, *newCards};
}

// The 2確目 questions' part, which documents before them do not hold.
std::optional<PairProgress> pairsFromJson(const QJsonValue& value)
{
    PairProgress pairs{{}, std::vector<CardState>(static_cast<std::size_t>(PairDeck::instance().size())), {}};
    if (value.isUndefined())
        return pairs;
    const std::optional<PairScore> score = scoreFromJson<kPairVerdicts.size()>(value.toObject(), "verdicts");
    const std::optional<DayTally> day = dayFromJson(value.toObject()["day"]);
    if (!value.isObject() || !score || !day || !readCards<PairDeck>(value.toObject()["cards"], pairs.cards))
        return std::nullopt;
    pairs.score = *score;
    pairs.day = *day;
    return pairs;
}

}  // namespace

QByteArray progressToJson(const Progress& progress)
{
    QJsonObject document = scoreToJson(progress.score, "groups");
    document["format"] = kProgressFormat;
    document["cards"] = cardsToJson<CardDeck>(progress.cards);
    document["day"] = dayToJson(progress.day);
    document["retention"] = progress.settings.retention;
    document["newCardCap"] = progress.settings.newCardCap;
    QJsonObject pairs = scoreToJson(progress.pairs.score, "verdicts");
    pairs["cards"] = cardsToJson<PairDeck>(progress.pairs.cards);
    pairs["day"] = dayToJson(progress.pairs.day);
    document["pairs"] = pairs;
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
    const std::optional<Score> score = scoreFromJson<kOutcomeGroups.size()>(root, "groups");
    const std::optional<PairProgress> pairs = pairsFromJson(root["pairs"]);
    if (!format || !score || !pairs)
        return std::nullopt;
    Progress progress{*score, std::vector<CardState>(static_cast<std::size_t>(CardDeck::instance().size())), {}, {},
                      *pairs};
    if (*format == kPatternFormat)
        return readPatternsDue(root["due"], progress.cards, nowMs) ? std::optional(progress) : std::nullopt;

    const std::optional<DayTally> day = dayFromJson(root["day"]);
    const std::optional<double> retention = realNumber(root["retention"], kLeastRetention, kMostRetention);
    const std::optional<int> cap = smallNumber(root["newCardCap"], 0, kMostNewCardsADay);
    if (!readCards<CardDeck>(root["cards"], progress.cards) || !day || !retention || !cap)
        return std::nullopt;
    progress.day = *day;
    progress.settings = {*retention, *cap, 0};
    return progress;
}
