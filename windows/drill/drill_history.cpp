#include "windows/drill/drill_history.h"

#include "core/drill/cards/card_deck.h"
#include "ui/text.h"
#include "windows/drill/progress_format.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace {

// Larger than any progress file the drill ever wrote.
constexpr qint64 kLargestOldProgress = 16 * 1024 * 1024;

QString keyOfGroup(int group)
{
    return ui::qt(kOutcomeGroups[static_cast<std::size_t>(group)].key);
}

QString keyOfCard(int card)
{
    return QString::fromStdString(CardDeck::instance().keyOf(card));
}

bool storeCard(QSqlDatabase& db, int card, const CardState& state)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO drill_cards (card, phase, stability, difficulty, step, last_ms, due_ms, answers, lapses)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value : {QVariant(keyOfCard(card)), QVariant(static_cast<int>(state.phase)),
                                  QVariant(state.memory.stability), QVariant(state.memory.difficulty),
                                  QVariant(state.step), QVariant(static_cast<qint64>(state.lastAnswerMs)),
                                  QVariant(static_cast<qint64>(state.dueMs)), QVariant(state.answers),
                                  QVariant(state.lapses)})
        query.addBindValue(value);
    return query.exec();
}

bool storeProgress(QSqlDatabase& db, const Progress& progress)
{
    Progress withoutCards = progress;
    withoutCards.cards.clear();
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO drill_progress (id, document) VALUES (1, ?)"));
    query.addBindValue(QString::fromUtf8(progressToJson(withoutCards)));
    return query.exec();
}

}  // namespace

DrillHistory::DrillHistory(QString databasePath, QString oldProgressPath)
    : database_(std::make_unique<HistoryDatabase>(std::move(databasePath))), oldProgressPath_(std::move(oldProgressPath))
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
    database_->read([&](QSqlDatabase& db) {
        QSqlQuery document(db);
        if (!document.exec(QStringLiteral("SELECT document FROM drill_progress WHERE id = 1")) || !document.next())
            return false;
        progress = progressFromJson(document.value(0).toString().toUtf8(), 0);
        if (!progress)
            return false;
        QSqlQuery cards(db);
        if (!cards.exec(QStringLiteral(
                "SELECT card, phase, stability, difficulty, step, last_ms, due_ms, answers, lapses FROM drill_cards")))
            return false;
        while (cards.next()) {
            const int card = CardDeck::instance().cardOfKey(cards.value(0).toString().toStdString());
            const int phase = cards.value(1).toInt();
            if (card < 0 || phase < static_cast<int>(Phase::Learning) || phase > static_cast<int>(Phase::Relearning))
                continue;  // a card of another version's deck
            progress->cards[static_cast<std::size_t>(card)] = {static_cast<Phase>(phase),
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
    return *progress;
}

bool DrillHistory::record(const AnswerRecord& answer, const Progress& progress)
{
    const bool written = database_->write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral(
            "INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered, is_right, answer_ms,"
            " phase, stability, difficulty, step, due_ms, answers, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const CardState& after = answer.after;
        for (const QVariant& value :
             {QVariant(static_cast<qint64>(answer.atMs)), QVariant(QString::fromStdString(readOutOf(answer.pattern))),
              QVariant(keyOfCard(answer.card)), QVariant(keyOfGroup(answer.groupAnswered)), QVariant(answer.right ? 1 : 0),
              QVariant(answer.answerMs), QVariant(static_cast<int>(after.phase)), QVariant(after.memory.stability),
              QVariant(after.memory.difficulty), QVariant(after.step), QVariant(static_cast<qint64>(after.dueMs)),
              QVariant(after.answers), QVariant(after.lapses)})
            query.addBindValue(value);
        if (!query.exec())
            return false;
        if (storeAllCards_) {
            for (std::size_t card = 0; card < progress.cards.size(); ++card)
                if (progress.cards[card].phase != Phase::New && !storeCard(db, static_cast<int>(card), progress.cards[card]))
                    return false;
        } else if (!storeCard(db, answer.card, after)) {
            return false;
        }
        return storeProgress(db, progress);
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
    return database_->write([&](QSqlDatabase& db) { return storeProgress(db, progress); });
}

bool DrillHistory::clear()
{
    const bool cleared = database_->write([](QSqlDatabase& db) {
        QSqlQuery query(db);
        return query.exec(QStringLiteral("DELETE FROM drill_answers")) &&
               query.exec(QStringLiteral("DELETE FROM drill_cards")) && storeProgress(db, Progress{});
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
    database_->read([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.setForwardOnly(true);  // rows are read once; Qt keeps no copy of them
        query.prepare(QStringLiteral("SELECT answered_at_ms, is_right, answer_ms FROM drill_answers"
                                     " WHERE answered_at_ms >= ? ORDER BY answered_at_ms"));
        query.addBindValue(static_cast<qint64>(sinceMs));
        if (!query.exec())
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
    database_->read([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        // Counted in tenths of a second, which is all the curve shows, so
        // that the median comes from a few counts a day, not every answer.
        query.prepare(QStringLiteral(
            "SELECT (answered_at_ms + :offset) / 86400000 AS day, answer_ms / 100 AS tenth, COUNT(*), SUM(is_right)"
            " FROM drill_answers WHERE answered_at_ms >= :since AND answered_at_ms < :until"
            " GROUP BY day, tenth ORDER BY day, tenth"));
        query.bindValue(QStringLiteral(":offset"), static_cast<qint64>(utcOffsetMs));
        query.bindValue(QStringLiteral(":since"), static_cast<qint64>(firstDay * kMsPerDay - utcOffsetMs));
        query.bindValue(QStringLiteral(":until"), static_cast<qint64>((lastDay + 1) * kMsPerDay - utcOffsetMs));
        if (!query.exec())
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

QString DrillHistory::takeNewProblem()
{
    return database_->takeNewProblem() ? database_->problem() : QString();
}
