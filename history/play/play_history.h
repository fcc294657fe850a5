#pragma once

#include "core/evaluation/flag_table.h"
#include "core/play/lottery.h"
#include "core/play/stops.h"
#include "core/reels/reel_cells.h"
#include "history/history_store.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// A session as the history keeps it.
struct PlaySessionRecord {
    std::int64_t startedAtMs = 0;  // UTC
    int setting = 1;               // the setting in play
    bool settingChosen = false;    // chosen by the player, else drawn and hidden
};

// One finished game as the history keeps it.
struct PlayedGameRecord {
    std::int64_t atMs = 0;  // UTC, when the last reel was pressed
    std::int64_t number = 1;  // within the session, from 1
    Flag flag = Flag::None;   // drawn, or the bonus held
    bool drawn = false;       // no bonus was held: the lottery drew the flag
    std::array<reel::Reel, 3> order{reel::Left, reel::Center, reel::Right};  // the reels in the order stopped
    play::Stops stood{};                // where each reel stood, left to right
    std::array<int, 3> slides{};        // the cells each slid on from its press
    char code = 'J';
    bool lined = false;
    bool fellBack = false;
    play::SmallPrizeOdds odds;
};

// A call of ボーナス！ as the history keeps it.
struct PlayCallRecord {
    std::int64_t atMs = 0;  // UTC
    std::int64_t gameNumber = 1;
    Flag flag = Flag::None;  // the game's: right when a bonus
};

// What the history holds over every session, this one's kept games included.
struct PastPlay {
    std::int64_t games = 0;
    std::int64_t reachMeNoticed = 0;  // reach-me games called in their game
    std::int64_t reachMeMissed = 0;
    std::int64_t callsWithoutBonus = 0;
    std::int64_t guesses = 0;       // sessions ended with a guess of the setting
    std::int64_t guessedRight = 0;
};

// The play mode's part of the program's history database: every session,
// game and call. A session is kept from its first game or call on: nothing
// is written before.
class PlayHistory : public HistoryStore {
public:
    explicit PlayHistory(QString databasePath);

    // The database in the program's data folder.
    static PlayHistory standard();

    // Summed up by the database; none when nothing can be read.
    PastPlay load();

    // The session the next records belong to; nothing is written yet.
    void beginSession(const PlaySessionRecord& session);

    // Each kept in one transaction with the session's own row, the first time.
    bool record(const PlayedGameRecord& game);
    bool record(const PlayCallRecord& call);
    // The player's guess at the end of the session; nothing for a session
    // of which nothing is kept.
    bool recordGuess(int guessedSetting, std::int64_t atMs);

private:
    // Runs `insert` in one transaction with the session's row, the first time.
    bool writeWithSession(const std::function<bool(Statements&, std::int64_t sessionId)>& insert);

    PlaySessionRecord session_;
    std::optional<std::int64_t> sessionId_;  // once its row is written
};
