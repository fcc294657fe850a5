#include "history/play/play_schema.h"

// Each column carries its description where sqlite3's .schema shows it.
const SchemaStep& playSchemaStep()
{
    static const SchemaStep step = {
        "the play mode's sessions, games and calls",
        {
            "CREATE TABLE play_sessions (\n"
            "  id INTEGER PRIMARY KEY,            -- in the order started\n"
            "  started_at_ms INTEGER NOT NULL,    -- when: milliseconds since 1970-01-01 00:00 UTC\n"
            "  setting INTEGER NOT NULL,          -- the setting in play, 1 to 6\n"
            "  setting_chosen INTEGER NOT NULL,   -- 1 when the player chose it, 0 when it was drawn at random and hidden\n"
            "  guessed_setting INTEGER,           -- the player's guess at the session's end; NULL for a session not ended\n"
            "  ended_at_ms INTEGER                -- when the guess was made, UTC\n"
            ")",
            "CREATE TABLE play_games (\n"
            "  id INTEGER PRIMARY KEY,            -- in the order played\n"
            "  session_id INTEGER NOT NULL REFERENCES play_sessions (id),  -- the session it was played in\n"
            "  number INTEGER NOT NULL,           -- the game's number in its session, from 1\n"
            "  finished_at_ms INTEGER NOT NULL,   -- when its last reel was pressed, UTC\n"
            "  flag TEXT NOT NULL,                -- the game's flag: none, replay, cherry, bell, ice, or the bonus held, big or reg\n"
            "  drawn INTEGER NOT NULL,            -- 1 when no bonus was held at its start, so that the lottery drew the flag\n"
            "  stop_order TEXT NOT NULL,          -- the reels in the order stopped, such as left-right-center\n"
            "  left_position INTEGER NOT NULL,    -- where the left reel stood: its upper cell, 1 to 21\n"
            "  center_position INTEGER NOT NULL,  -- the center reel's\n"
            "  right_position INTEGER NOT NULL,   -- the right reel's\n"
            "  left_slide INTEGER NOT NULL,       -- the cells the left reel slid on from the cell its press landed on, 0 to 4\n"
            "  center_slide INTEGER NOT NULL,     -- the center reel's\n"
            "  right_slide INTEGER NOT NULL,      -- the right reel's\n"
            "  code TEXT NOT NULL,                -- the pattern's outcome code, as the reach-me table's legend gives it\n"
            "  reach_me INTEGER NOT NULL,         -- 1 when the pattern is a reach-me (C, P, e, E, b, F or X)\n"
            "  lined INTEGER NOT NULL,            -- 1 when the bonus held was lined up\n"
            "  fell_back INTEGER NOT NULL,        -- 1 when the reels stood on a miss the flag does not allow, no pattern it allows being in reach\n"
            "  odds_replay REAL NOT NULL,         -- the small prizes' odds the lottery assumed, 1 in so many games: リプレイ's\n"
            "  odds_bell REAL NOT NULL,           -- 風鈴's\n"
            "  odds_ice REAL NOT NULL,            -- 氷's\n"
            "  odds_cherry REAL NOT NULL          -- チェリー's\n"
            ")",
            "CREATE TABLE play_calls (\n"
            "  id INTEGER PRIMARY KEY,            -- in the order called\n"
            "  session_id INTEGER NOT NULL REFERENCES play_sessions (id),  -- the session it was called in\n"
            "  game_number INTEGER NOT NULL,      -- the game called, as play_games.number; called before its reels stood or after\n"
            "  called_at_ms INTEGER NOT NULL,     -- when, UTC\n"
            "  flag TEXT NOT NULL                 -- the game's flag, as in play_games: the call was right when big or reg\n"
            ")",
            // A game's calls, found by the totals for every reach-me game.
            "CREATE INDEX play_calls_by_game ON play_calls (session_id, game_number)",
        },
    };
    return step;
}
