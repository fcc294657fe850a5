#include "history/drill/drill_memory_schema.h"

// The tables are made anew, their rows copied, so that each column can carry
// its description where sqlite3's .schema shows it: SQLite keeps a table's
// CREATE statement as written, comments and all, and a renamed table keeps
// them too. The right meaning of an answer of an earlier version is the
// meaning of its card's outcome code, the part of the card's name after the
// colon; the card holds exactly the patterns of that code. A 2確目 card's
// name ends in its verdict, after a second colon.
const SchemaStep& drillMemorySchemaStep()
{
    static const SchemaStep step = {
        "the drill's history described for its reader, each answer's right meaning, and the memory model's fits",
        {
            "CREATE TABLE drill_answers_described (\n"
            "  id INTEGER PRIMARY KEY,            -- in the order answered\n"
            "  answered_at_ms INTEGER NOT NULL,   -- when: milliseconds since 1970-01-01 00:00 UTC\n"
            "  pattern TEXT NOT NULL,             -- the pattern shown: the left, center and right reel's upper cells, such as 7-14-3; in 2確目 the reel still to stop a ?, such as 7-12-? or 7-?-12\n"
            "  card TEXT NOT NULL,                -- the card asked: its left position (4 for 4, 15 and 18) and outcome code, such as 7:C; in 2確目 its left position, stop order and verdict, such as 7:left-center:BIG\n"
            "  group_answered TEXT NOT NULL,      -- the meaning chosen: big, reg, br, reachNoStop, noStop, small, missOrBonus or miss; in 2確目 the verdict: BIG, REG, BONUS, OPEN or NOSTOP\n"
            "  right_group TEXT,                  -- the right one, in the same words\n"
            "  is_right INTEGER NOT NULL,         -- 1 when the meaning chosen was the pattern's, else 0\n"
            "  answer_ms INTEGER NOT NULL,        -- how long the answer took, from the pattern's first frame on the screen\n"
            "  phase TEXT NOT NULL,               -- the card after the answer: learning (its first short steps), review or relearning (forgotten, on short steps again)\n"
            "  stability REAL NOT NULL,           -- the card's memory after the answer: the days until its recall falls to 90 %\n"
            "  difficulty REAL NOT NULL,          -- and how hard it is, 1 (easy) to 10 (hard)\n"
            "  step INTEGER NOT NULL,             -- the short step it is on while learning or relearning, from 0\n"
            "  due_ms INTEGER NOT NULL,           -- when it is asked again, UTC\n"
            "  answers INTEGER NOT NULL,          -- the card's answers so far, this one counted\n"
            "  lapses INTEGER NOT NULL            -- the times it was forgotten after it had been learned\n"
            ")",
            "INSERT INTO drill_answers_described"
            " SELECT id, answered_at_ms, pattern, card, group_answered,"
            "  CASE"
            "   WHEN instr(substr(card, instr(card, ':') + 1), ':') > 0"
            "    THEN substr(substr(card, instr(card, ':') + 1), instr(substr(card, instr(card, ':') + 1), ':') + 1)"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('A', 'C', 'P', 'e') THEN 'big'"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('E', 'G', 'b') THEN 'reg'"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('F', 'X') THEN 'br'"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('D', 'O', 'Q', 'S', 'V', 'Y', 'a', 'd', 'f') THEN 'reachNoStop'"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('H', 'L', 'c', 'h') THEN 'noStop'"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('B', 'M', 'N', 'R', 'T', 'U', 'g') THEN 'small'"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('K', 'W', 'Z') THEN 'missOrBonus'"
            "   WHEN substr(card, instr(card, ':') + 1) IN ('I', 'J') THEN 'miss'"
            "  END,"
            "  is_right, answer_ms,"
            "  CASE phase WHEN 1 THEN 'learning' WHEN 2 THEN 'review' WHEN 3 THEN 'relearning' END,"
            "  stability, difficulty, step, due_ms, answers, lapses"
            " FROM drill_answers",
            "DROP TABLE drill_answers",
            "ALTER TABLE drill_answers_described RENAME TO drill_answers",
            // Covers the learning curve's reading, which then never reads the rows.
            "CREATE INDEX drill_answers_by_time ON drill_answers (answered_at_ms, answer_ms, is_right)",

            "CREATE TABLE drill_cards_described (\n"
            "  card TEXT PRIMARY KEY,             -- such as 7:C, as in drill_answers; a card never asked has no row\n"
            "  phase TEXT NOT NULL,               -- learning, review or relearning\n"
            "  stability REAL NOT NULL,           -- the days until its recall falls to 90 %\n"
            "  difficulty REAL NOT NULL,          -- 1 (easy) to 10 (hard)\n"
            "  step INTEGER NOT NULL,             -- the short step it is on while learning or relearning, from 0\n"
            "  last_ms INTEGER NOT NULL,          -- its latest answer, UTC\n"
            "  due_ms INTEGER NOT NULL,           -- when it is asked again, UTC\n"
            "  answers INTEGER NOT NULL,          -- its answers so far\n"
            "  lapses INTEGER NOT NULL            -- the times it was forgotten after it had been learned\n"
            ")",
            "INSERT INTO drill_cards_described"
            " SELECT card, CASE phase WHEN 1 THEN 'learning' WHEN 2 THEN 'review' WHEN 3 THEN 'relearning' END,"
            "  stability, difficulty, step, last_ms, due_ms, answers, lapses"
            " FROM drill_cards WHERE phase BETWEEN 1 AND 3",
            "DROP TABLE drill_cards",
            "ALTER TABLE drill_cards_described RENAME TO drill_cards",

            "CREATE TABLE drill_progress_described (\n"
            "  id INTEGER PRIMARY KEY CHECK (id = 1),  -- one row\n"
            "  document TEXT NOT NULL                  -- the score, today's work and the settings, as JSON\n"
            ")",
            "INSERT INTO drill_progress_described SELECT id, document FROM drill_progress",
            "DROP TABLE drill_progress",
            "ALTER TABLE drill_progress_described RENAME TO drill_progress",

            "CREATE TABLE drill_memory_fits (\n"
            "  id INTEGER PRIMARY KEY,            -- in the order fitted; the weights in use are those of the latest row kept, the defaults while none is\n"
            "  fitted_at_ms INTEGER NOT NULL,     -- when, UTC\n"
            "  answers INTEGER NOT NULL,          -- the answers the weights were fitted to and checked on: fitted to the earliest 80 %, checked on the latest 20 %\n"
            "  held_out_answers INTEGER NOT NULL, -- the answers checked on that had a prediction (a card's first answer has none)\n"
            "  log_loss_default REAL,             -- how well the published default weights predicted those answers: the mean log loss (lower is better)\n"
            "  rmse_bins_default REAL,            -- and RMSE(bins), the predictions against the share right in bins of answers alike (lower is better)\n"
            "  log_loss_before REAL,              -- the same two figures for the weights in use before the fit\n"
            "  rmse_bins_before REAL,\n"
            "  log_loss_fitted REAL,              -- and for the fitted weights; each NULL when no answer had a prediction\n"
            "  rmse_bins_fitted REAL,\n"
            "  kept INTEGER NOT NULL,             -- 1 when the fitted weights predicted better than those in use before, and the drill took them\n"
            "  weights_before TEXT NOT NULL,      -- the weights in use before the fit, w0 to w20 of the FSRS-6 memory model, separated by spaces\n"
            "  weights TEXT NOT NULL              -- the fitted weights, in the same way\n"
            ")",
        },
    };
    return step;
}
