#include "history/play/play_history.h"

#include "history/stored_key.h"

#include <QStringList>

namespace {

QString flagKey(Flag flag)
{
    return storedKey(codesOf(flag).key);
}

QString orderKey(const std::array<reel::Reel, 3>& order)
{
    QStringList keys;
    for (const reel::Reel which : order)
        keys << storedReelKey(which);
    return keys.join(u'-');
}

}  // namespace

PlayHistory::PlayHistory(QString databasePath) : HistoryStore(std::move(databasePath)) {}

PlayHistory PlayHistory::standard()
{
    return PlayHistory(HistoryDatabase::standardPath());
}

PastPlay PlayHistory::load()
{
    PastPlay past;
    database().read([&](Statements& sql) {
        PastPlay read;
        if (!sql.run(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(reach_me), 0),"
                                    " (SELECT COUNT(*) FROM play_games g WHERE reach_me = 1 AND EXISTS"
                                    "  (SELECT 1 FROM play_calls c WHERE c.session_id = g.session_id"
                                    "   AND c.game_number = g.number))"
                                    " FROM play_games"))
            || !sql.next())
            return false;
        read.games = sql.value(0).toLongLong();
        read.reachMeNoticed = sql.value(2).toLongLong();
        read.reachMeMissed = sql.value(1).toLongLong() - read.reachMeNoticed;
        if (!sql.run(QStringLiteral("SELECT COUNT(*) FROM play_calls WHERE flag NOT IN (?, ?)"),
                     {flagKey(Flag::Big), flagKey(Flag::Reg)})
            || !sql.next())
            return false;
        read.callsWithoutBonus = sql.value(0).toLongLong();
        if (!sql.run(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(guessed_setting = setting), 0) FROM play_sessions"
                                    " WHERE guessed_setting IS NOT NULL"))
            || !sql.next())
            return false;
        read.guesses = sql.value(0).toLongLong();
        read.guessedRight = sql.value(1).toLongLong();
        past = read;
        return true;
    });
    return past;
}

void PlayHistory::beginSession(const PlaySessionRecord& session)
{
    session_ = session;
    sessionId_.reset();
}

// The session's id is taken only once the transaction that wrote its row commits.
bool PlayHistory::writeWithSession(const std::function<bool(Statements&, std::int64_t sessionId)>& insert)
{
    std::optional<std::int64_t> id;
    const bool written = database().write([&](Statements& sql) {
        id = sessionId_;
        if (!id) {
            if (!sql.run(QStringLiteral("INSERT INTO play_sessions (started_at_ms, setting, setting_chosen) VALUES (?, ?, ?)"),
                         {static_cast<qint64>(session_.startedAtMs), session_.setting, session_.settingChosen ? 1 : 0})
                || !sql.run(QStringLiteral("SELECT last_insert_rowid()")) || !sql.next())
                return false;
            id = sql.value(0).toLongLong();
        }
        return insert(sql, *id);
    });
    if (written)
        sessionId_ = id;
    return written;
}

bool PlayHistory::record(const PlayedGameRecord& game)
{
    return writeWithSession([&](Statements& sql, std::int64_t sessionId) {
        return sql.run(QStringLiteral("INSERT INTO play_games (session_id, number, finished_at_ms, flag, drawn, stop_order,"
                                      " left_position, center_position, right_position, left_slide, center_slide,"
                                      " right_slide, code, reach_me, lined, fell_back, odds_replay, odds_bell, odds_ice,"
                                      " odds_cherry) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {static_cast<qint64>(sessionId), static_cast<qint64>(game.number), static_cast<qint64>(game.atMs),
                        flagKey(game.flag), game.drawn ? 1 : 0, orderKey(game.order), game.stood[reel::Left],
                        game.stood[reel::Center], game.stood[reel::Right], game.slides[reel::Left],
                        game.slides[reel::Center], game.slides[reel::Right], QString(QLatin1Char(game.code)),
                        kReachMeCodes.contains(game.code) ? 1 : 0, game.lined ? 1 : 0, game.fellBack ? 1 : 0,
                        game.odds.replay, game.odds.bell, game.odds.ice, game.odds.cherry});
    });
}

bool PlayHistory::record(const PlayCallRecord& call)
{
    return writeWithSession([&](Statements& sql, std::int64_t sessionId) {
        return sql.run(QStringLiteral("INSERT INTO play_calls (session_id, game_number, called_at_ms, flag) VALUES (?, ?, ?, ?)"),
                       {static_cast<qint64>(sessionId), static_cast<qint64>(call.gameNumber),
                        static_cast<qint64>(call.atMs), flagKey(call.flag)});
    });
}

bool PlayHistory::recordGuess(int guessedSetting, std::int64_t atMs)
{
    if (!sessionId_)
        return true;
    return database().write([&](Statements& sql) {
        return sql.run(QStringLiteral("UPDATE play_sessions SET guessed_setting = ?, ended_at_ms = ? WHERE id = ?"),
                       {guessedSetting, static_cast<qint64>(atMs), static_cast<qint64>(*sessionId_)});
    });
}
