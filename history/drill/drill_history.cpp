#include "history/drill/drill_history.h"

#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/drill/memory/weight_bounds.h"
#include "core/evaluation/judgement.h"
#include "core/pairs/pair_words.h"
#include "history/drill/progress_format.h"
#include "history/stored_key.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QVariant>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Larger than any progress file the drill ever wrote.
constexpr qint64 kLargestOldProgress = 16 * 1024 * 1024;

QString keyOfGroup(int group)
{
    return storedKey(kOutcomeGroups[static_cast<std::size_t>(group)].key);
}

// Each deck's keys name its cards alone, so that both decks' cards share the table.
template <typename Deck>
QString keyOfCard(int card)
{
    return QString::fromStdString(Deck::instance().keyOf(card));
}

// Every card of both decks by its key, numbered as the fit reads them: the
// main deck's as it numbers them, then the 2確目 deck's after them; so that
// a long history is read without a search a row.
const QHash<QString, int>& cardsByKey()
{
    static const QHash<QString, int> cards = [] {
        QHash<QString, int> byKey;
        const int mainCards = CardDeck::instance().size();
        for (int card = 0; card < mainCards; ++card)
            byKey.insert(keyOfCard<CardDeck>(card), card);
        for (int card = 0; card < PairDeck::instance().size(); ++card)
            byKey.insert(keyOfCard<PairDeck>(card), mainCards + card);
        return byKey;
    }();
    return cards;
}

// The words the history names a card's phase by, indexed by Phase.
constexpr std::array<const char*, 4> kPhaseWords = {"new", "learning", "review", "relearning"};

QString wordOf(Phase phase)
{
    return QLatin1String(kPhaseWords[static_cast<std::size_t>(phase)]);
}

// A stored card's phase: a word, or the number an earlier version stored
// until the history's first write since brings its tables up to date.
std::optional<Phase> phaseOfStored(const QVariant& stored)
{
    for (const Phase phase : {Phase::Learning, Phase::Review, Phase::Relearning}) {
        const bool same = stored.typeId() == QMetaType::QString ? stored.toString() == wordOf(phase)
                                                                 : stored.toInt() == static_cast<int>(phase);
        if (same)
            return phase;
    }
    return std::nullopt;
}

// Weights as the history keeps them: w0..w20, each the shortest text that
// reads back as the same number, separated by spaces.
QString textOf(const MemoryWeights& weights)
{
    QStringList numbers;
    for (const double weight : weights) {
        char text[32];
        numbers << QString::fromLatin1(text, std::to_chars(text, text + sizeof text, weight).ptr - text);
    }
    return numbers.join(u' ');
}

std::optional<MemoryWeights> weightsOf(const QString& text)
{
    const QStringList numbers = text.split(u' ', Qt::SkipEmptyParts);
    if (numbers.size() != static_cast<qsizetype>(kMemoryWeightCount))
        return std::nullopt;
    MemoryWeights weights{};
    for (std::size_t k = 0; k < kMemoryWeightCount; ++k) {
        bool isNumber = false;
        weights[k] = numbers[static_cast<qsizetype>(k)].toDouble(&isNumber);
        if (!isNumber || !(weights[k] >= kLeastWeights[k] && weights[k] <= kMostWeights[k]))
            return std::nullopt;
    }
    return weights;
}

// A figure without any prediction (NaN) is kept as NULL.
QVariant storedFigure(double figure)
{
    return std::isnan(figure) ? QVariant() : QVariant(figure);
}

double figureOf(const QVariant& stored)
{
    return stored.isNull() ? std::numeric_limits<double>::quiet_NaN() : stored.toDouble();
}

bool storeCard(Statements& sql, const QString& card, const CardState& state)
{
    return sql.run(QStringLiteral("INSERT OR REPLACE INTO drill_cards"
                                  " (card, phase, stability, difficulty, step, last_ms, due_ms, answers, lapses)"
                                  " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {card, wordOf(state.phase), state.memory.stability, state.memory.difficulty,
                    state.step, static_cast<qint64>(state.lastAnswerMs), static_cast<qint64>(state.dueMs),
                    state.answers, state.lapses});
}

template <typename Deck>
bool storeAllCards(Statements& sql, const std::vector<CardState>& cards)
{
    for (std::size_t card = 0; card < cards.size(); ++card)
        if (cards[card].phase != Phase::New && !storeCard(sql, keyOfCard<Deck>(static_cast<int>(card)), cards[card]))
            return false;
    return true;
}

bool storeEveryCard(Statements& sql, const Progress& progress)
{
    return storeAllCards<CardDeck>(sql, progress.cards) && storeAllCards<PairDeck>(sql, progress.pairs.cards);
}

bool storeProgress(Statements& sql, const Progress& progress)
{
    // The cards have a table of their own.
    Progress withoutCards = progress;
    withoutCards.cards.clear();
    withoutCards.pairs.cards.clear();
    return sql.run(QStringLiteral("INSERT OR REPLACE INTO drill_progress (id, document) VALUES (1, ?)"),
                   {QString::fromUtf8(progressToJson(withoutCards))});
}

}  // namespace

DrillHistory::DrillHistory(QString databasePath, QString oldProgressPath, HistoryDatabase::Access access)
    : HistoryStore(std::move(databasePath), access), oldProgressPath_(std::move(oldProgressPath))
{
}

DrillHistory DrillHistory::forReading(QString databasePath)
{
    return {std::move(databasePath), QString(), HistoryDatabase::Access::ReadOnly};
}

DrillHistory DrillHistory::standard()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return {HistoryDatabase::standardPath(), folder.isEmpty() ? QString() : folder + QStringLiteral("/drill.json")};
}

std::optional<Progress> DrillHistory::readStored()
{
    std::optional<Progress> progress;
    database().read([&](Statements& cards) {
        if (!cards.run(QStringLiteral("SELECT document FROM drill_progress WHERE id = 1")) || !cards.next())
            return false;
        progress = progressFromJson(cards.value(0).toString().toUtf8(), 0);
        if (!progress)
            return false;
        if (!cards.run(QStringLiteral(
                "SELECT card, phase, stability, difficulty, step, last_ms, due_ms, answers, lapses FROM drill_cards")))
            return false;
        while (cards.next()) {
            const int card = cardsByKey().value(cards.value(0).toString(), -1);
            const std::optional<Phase> phase = phaseOfStored(cards.value(1));
            if (card < 0 || !phase)
                continue;  // a card of another version's decks
            const int mainCards = CardDeck::instance().size();
            std::vector<CardState>& states = card < mainCards ? progress->cards : progress->pairs.cards;
            states[static_cast<std::size_t>(card < mainCards ? card : card - mainCards)] = {*phase,
                {cards.value(2).toDouble(), cards.value(3).toDouble()}, cards.value(4).toInt(),
                cards.value(5).toLongLong(), cards.value(6).toLongLong(), cards.value(7).toInt(), cards.value(8).toInt()};
        }
        return true;
    });
    return progress;
}

std::optional<Progress> DrillHistory::readOld(std::int64_t nowMs) const
{
    // Only a regular file is read: a FIFO of that name would block the window.
    if (oldProgressPath_.isEmpty() || !QFileInfo(oldProgressPath_).isFile())
        return std::nullopt;
    QFile file(oldProgressPath_);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestOldProgress)
        return std::nullopt;
    return progressFromJson(file.read(kLargestOldProgress), nowMs);
}

Progress DrillHistory::load(std::int64_t nowMs)
{
    tookOver_ = false;
    storeAllCards_ = true;
    std::optional<Progress> progress = readStored();
    stored_ = progress.has_value();
    if (!progress && (progress = readOld(nowMs)))
        tookOver_ = true;
    if (!progress)
        progress = Progress{};
    progress->cards.resize(static_cast<std::size_t>(CardDeck::instance().size()));
    progress->pairs.cards.resize(static_cast<std::size_t>(PairDeck::instance().size()));
    return *progress;
}

bool DrillHistory::record(const AnswerRecord& answer, const Progress& progress)
{
    return recordRow({answer.atMs, QString::fromStdString(readOutOf(answer.pattern)), keyOfCard<CardDeck>(answer.card),
                      keyOfGroup(answer.groupAnswered), keyOfGroup(groupIndexOf(outcomeCodeOf(answer.pattern))),
                      answer.right, answer.answerMs, answer.after},
                     progress);
}

bool DrillHistory::record(const PairAnswerRecord& answer, const Progress& progress)
{
    return recordRow({answer.atMs, QString::fromStdString(readOutOf(answer.order, answer.pair)),
                      keyOfCard<PairDeck>(answer.card),
                      storedKey(verdictKey(kPairVerdicts[static_cast<std::size_t>(answer.verdictAnswered)])),
                      storedKey(verdictKey(PairDeck::instance().card(answer.card).verdict)), answer.right,
                      answer.answerMs, answer.after},
                     progress);
}

bool DrillHistory::recordRow(const Row& row, const Progress& progress)
{
    const bool written = database().write([&](Statements& sql) {
        const CardState& after = row.after;
        if (!sql.run(QStringLiteral("INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered, right_group,"
                                    " is_right, answer_ms, phase, stability, difficulty, step, due_ms, answers, lapses)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {static_cast<qint64>(row.atMs), row.readOut, row.card, row.answered, row.rightAnswer,
                      row.right ? 1 : 0, row.answerMs, wordOf(after.phase), after.memory.stability,
                      after.memory.difficulty, after.step, static_cast<qint64>(after.dueMs), after.answers, after.lapses}))
            return false;
        if (storeAllCards_) {
            if (!storeEveryCard(sql, progress))
                return false;
        } else if (!storeCard(sql, row.card, after)) {
            return false;
        }
        return storeProgress(sql, progress);
    });
    if (written) {
        stored_ = true;
        storeAllCards_ = false;
    }
    return written;
}

bool DrillHistory::keep(const Progress& progress)
{
    if (!stored_)
        return false;
    return database().write([&](Statements& sql) { return storeProgress(sql, progress); });
}

bool DrillHistory::clear()
{
    const bool cleared = database().write([](Statements& sql) {
        return sql.run(QStringLiteral("DELETE FROM drill_answers")) && sql.run(QStringLiteral("DELETE FROM drill_cards"))
               && sql.run(QStringLiteral("DELETE FROM drill_memory_fits")) && storeProgress(sql, Progress{});
    });
    if (cleared) {
        stored_ = true;
        storeAllCards_ = false;
        tookOver_ = false;
    }
    return cleared;
}

bool DrillHistory::recordFit(const MemoryFitRecord& record, const Progress& progress)
{
    const MemoryFit& fit = record.fit;
    const bool written = database().write([&](Statements& sql) {
        if (!sql.run(QStringLiteral("INSERT INTO drill_memory_fits (fitted_at_ms, answers, held_out_answers,"
                                    " log_loss_default, rmse_bins_default, log_loss_before, rmse_bins_before,"
                                    " log_loss_fitted, rmse_bins_fitted, kept, weights_before, weights)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {static_cast<qint64>(record.fittedAtMs), fit.answers, fit.heldOutAnswers,
                      storedFigure(fit.defaults.logLoss), storedFigure(fit.defaults.rmseBins),
                      storedFigure(fit.current.logLoss), storedFigure(fit.current.rmseBins),
                      storedFigure(fit.fitted.logLoss), storedFigure(fit.fitted.rmseBins), fit.kept ? 1 : 0,
                      textOf(fit.currentWeights), textOf(fit.weights)}))
            return false;
        return !fit.kept || (storeEveryCard(sql, progress) && storeProgress(sql, progress));
    });
    if (written && fit.kept) {
        stored_ = true;
        storeAllCards_ = false;
    }
    return written;
}

StoredFits DrillHistory::storedFits()
{
    StoredFits fits;
    database().read([&](Statements& query) {
        if (!query.run(QStringLiteral("SELECT fitted_at_ms, answers, held_out_answers, log_loss_default, rmse_bins_default,"
                                      " log_loss_before, rmse_bins_before, log_loss_fitted, rmse_bins_fitted, kept,"
                                      " weights_before, weights FROM drill_memory_fits ORDER BY id DESC")))
            return false;
        while (!fits.inUse && query.next()) {
            const std::optional<MemoryWeights> before = weightsOf(query.value(10).toString());
            const std::optional<MemoryWeights> weights = weightsOf(query.value(11).toString());
            if (!before || !weights)
                continue;
            MemoryFitRecord record{query.value(0).toLongLong(),
                {*weights, *before, query.value(1).toInt(), query.value(2).toInt(),
                 {figureOf(query.value(3)), figureOf(query.value(4))}, {figureOf(query.value(5)), figureOf(query.value(6))},
                 {figureOf(query.value(7)), figureOf(query.value(8))}, query.value(9).toInt() != 0}};
            if (!fits.latest)
                fits.latest = record;
            if (record.fit.kept)
                fits.inUse = record;
        }
        return true;
    });
    return fits;
}

std::vector<CardAnswer> DrillHistory::cardAnswers()
{
    std::vector<CardAnswer> answers;
    database().read([&](Statements& query) {
        if (!query.run(QStringLiteral("SELECT card, answered_at_ms, is_right, answer_ms FROM drill_answers"
                                      " ORDER BY answered_at_ms, id")))
            return false;
        while (query.next()) {
            const int card = cardsByKey().value(query.value(0).toString(), -1);
            if (card >= 0)
                answers.push_back({card, query.value(1).toLongLong(), query.value(2).toInt() != 0, query.value(3).toInt()});
        }
        return true;
    });
    return answers;
}

std::vector<PastAnswer> DrillHistory::answersSince(std::int64_t sinceMs)
{
    std::vector<PastAnswer> answers;
    database().read([&](Statements& query) {
        if (!query.run(QStringLiteral("SELECT answered_at_ms, is_right, answer_ms FROM drill_answers"
                                      " WHERE answered_at_ms >= ? ORDER BY answered_at_ms"),
                       {static_cast<qint64>(sinceMs)}))
            return false;
        while (query.next())
            answers.push_back({query.value(0).toLongLong(), query.value(1).toInt() != 0, query.value(2).toInt()});
        return true;
    });
    return answers;
}

std::vector<DayResult> DrillHistory::daysFrom(std::int64_t firstDay, std::int64_t lastDay, std::int64_t utcOffsetMs)
{
    std::vector<DayResult> days;
    database().read([&](Statements& query) {
        // Counted in tenths of a second, which is all the curve shows, so
        // that the median comes from a few counts a day, not every answer.
        if (!query.run(QStringLiteral("SELECT (answered_at_ms + ?) / 86400000 AS day, answer_ms / 100 AS tenth, COUNT(*),"
                                      " SUM(is_right) FROM drill_answers WHERE answered_at_ms >= ? AND answered_at_ms < ?"
                                      " GROUP BY day, tenth ORDER BY day, tenth"),
                       {static_cast<qint64>(utcOffsetMs), static_cast<qint64>(firstDay * kMsPerDay - utcOffsetMs),
                        static_cast<qint64>((lastDay + 1) * kMsPerDay - utcOffsetMs)}))
            return false;
        std::vector<std::vector<std::pair<int, int>>> tenths;  // per day: (tenth, count)
        while (query.next()) {
            const std::int64_t day = query.value(0).toLongLong();
            if (days.empty() || days.back().day != day) {
                days.push_back({day, 0, 0, 0});
                tenths.emplace_back();
            }
            days.back().answered += query.value(2).toInt();
            days.back().right += query.value(3).toInt();
            tenths.back().emplace_back(query.value(1).toInt(), query.value(2).toInt());
        }
        // The lower middle answer of each day, as dailyResults takes it.
        for (std::size_t i = 0; i < days.size(); ++i) {
            int before = (days[i].answered - 1) / 2;
            for (const auto& [tenth, count] : tenths[i]) {
                if (before < count) {
                    days[i].medianAnswerMs = tenth * 100;
                    break;
                }
                before -= count;
            }
        }
        return true;
    });
    return days;
}
