#include "history/drill/drill_history.h"

#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/pairs/pair_words.h"
#include "history/drill/progress_format.h"
#include "history/stored_key.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariant>

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

bool storeCard(Statements& sql, const QString& card, const CardState& state)
{
    return sql.run(QStringLiteral("INSERT OR REPLACE INTO drill_cards"
                                  " (card, phase, stability, difficulty, step, last_ms, due_ms, answers, lapses)"
                                  " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {card, static_cast<int>(state.phase), state.memory.stability, state.memory.difficulty,
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

DrillHistory::DrillHistory(QString databasePath, QString oldProgressPath)
    : HistoryStore(std::move(databasePath)), oldProgressPath_(std::move(oldProgressPath))
{
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
            const std::string key = cards.value(0).toString().toStdString();
            const int card = CardDeck::instance().cardOfKey(key);
            const int pairCard = card < 0 ? PairDeck::instance().cardOfKey(key) : -1;
            const int phase = cards.value(1).toInt();
            if ((card < 0 && pairCard < 0) || phase < static_cast<int>(Phase::Learning)
                || phase > static_cast<int>(Phase::Relearning))
                continue;  // a card of another version's decks
            std::vector<CardState>& states = card >= 0 ? progress->cards : progress->pairs.cards;
            states[static_cast<std::size_t>(card >= 0 ? card : pairCard)] = {static_cast<Phase>(phase),
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
                      keyOfGroup(answer.groupAnswered), answer.right, answer.answerMs, answer.after},
                     progress);
}

bool DrillHistory::record(const PairAnswerRecord& answer, const Progress& progress)
{
    return recordRow({answer.atMs, QString::fromStdString(readOutOf(answer.order, answer.pair)),
                      keyOfCard<PairDeck>(answer.card),
                      storedKey(verdictKey(kPairVerdicts[static_cast<std::size_t>(answer.verdictAnswered)])),
                      answer.right, answer.answerMs, answer.after},
                     progress);
}

bool DrillHistory::recordRow(const Row& row, const Progress& progress)
{
    const bool written = database().write([&](Statements& sql) {
        const CardState& after = row.after;
        if (!sql.run(QStringLiteral("INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered, is_right,"
                                    " answer_ms, phase, stability, difficulty, step, due_ms, answers, lapses)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {static_cast<qint64>(row.atMs), row.readOut, row.card, row.answered, row.right ? 1 : 0,
                      row.answerMs, static_cast<int>(after.phase), after.memory.stability, after.memory.difficulty,
                      after.step, static_cast<qint64>(after.dueMs), after.answers, after.lapses}))
            return false;
        if (storeAllCards_) {
            if (!storeAllCards<CardDeck>(sql, progress.cards) || !storeAllCards<PairDeck>(sql, progress.pairs.cards))
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
               && storeProgress(sql, Progress{});
    });
    if (cleared) {
        stored_ = true;
        storeAllCards_ = false;
        tookOver_ = false;
    }
    return cleared;
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
