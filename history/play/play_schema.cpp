#include "history/play/play_schema.h"

const SchemaStep& playSchemaStep()
{
    static const SchemaStep step = {
        "the play mode's sessions, games and calls",
        {
            "CREATE TABLE play_sessions ("
            " id INTEGER PRIMARY KEY,"
            " started_at_ms INTEGER NOT NULL,"  // UTC
            " setting INTEGER NOT NULL,"        // 1..6, the setting in play
            " setting_chosen INTEGER NOT NULL," // 1: chosen by the player; 0: drawn and hidden
            " guessed_setting INTEGER,"         // the player's guess at the end; NULL before
            " ended_at_ms INTEGER)",
            "CREATE TABLE play_games ("
            " id INTEGER PRIMARY KEY,"
            " session_id INTEGER NOT NULL REFERENCES play_sessions (id),"
            " number INTEGER NOT NULL,"         // 1, 2, … within the session
            " finished_at_ms INTEGER NOT NULL," // UTC, when the last reel was pressed
            " flag TEXT NOT NULL,"              // none, replay, cherry, bell, ice, big, reg: drawn or held
            " drawn INTEGER NOT NULL,"          // 1: no bonus was held, the lottery drew the flag
            " stop_order TEXT NOT NULL,"        // such as left-right-center
            " left_position INTEGER NOT NULL,"  // where each reel stood, 1..21 on the upper row
            " center_position INTEGER NOT NULL,"
            " right_position INTEGER NOT NULL,"
            " left_slide INTEGER NOT NULL,"     // cells each reel slid on from its press, 0..4
            " center_slide INTEGER NOT NULL,"
            " right_slide INTEGER NOT NULL,"
            " code TEXT NOT NULL,"              // the pattern's outcome code
            " reach_me INTEGER NOT NULL,"       // 1: a reach-me pattern
            " lined INTEGER NOT NULL,"          // 1: the held bonus lined up
            " fell_back INTEGER NOT NULL,"      // 1: a miss the flag does not allow
            " odds_replay REAL NOT NULL,"       // the small prizes' assumed odds, 1 in so many games
            " odds_bell REAL NOT NULL,"
            " odds_ice REAL NOT NULL,"
            " odds_cherry REAL NOT NULL)",
            "CREATE TABLE play_calls ("
            " id INTEGER PRIMARY KEY,"
            " session_id INTEGER NOT NULL REFERENCES play_sessions (id),"
            " game_number INTEGER NOT NULL,"    // the game called, as play_games.number
            " called_at_ms INTEGER NOT NULL,"   // UTC
            " flag TEXT NOT NULL)",             // the game's flag: right when big or reg
            // A game's calls, found by the totals for every reach-me game.
            "CREATE INDEX play_calls_by_game ON play_calls (session_id, game_number)",
        },
    };
    return step;
}
