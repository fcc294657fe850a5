#include "history/drill/drill_schema.h"

const SchemaStep& drillSchemaStep()
{
    static const SchemaStep step = {
        "the drill's answers, card states and progress",
        {
            "CREATE TABLE drill_answers ("
            " id INTEGER PRIMARY KEY,"
            " answered_at_ms INTEGER NOT NULL,"  // UTC
            " pattern TEXT NOT NULL,"            // such as 7-14-3
            " card TEXT NOT NULL,"               // such as 7:C
            " group_answered TEXT NOT NULL,"
            " is_right INTEGER NOT NULL,"
            " answer_ms INTEGER NOT NULL,"
            " phase INTEGER NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL,"
            " step INTEGER NOT NULL, due_ms INTEGER NOT NULL, answers INTEGER NOT NULL, lapses INTEGER NOT NULL)",
            // Covers the learning curve's reading, which then never reads the rows.
            "CREATE INDEX drill_answers_by_time ON drill_answers (answered_at_ms, answer_ms, is_right)",
            "CREATE TABLE drill_cards ("
            " card TEXT PRIMARY KEY,"
            " phase INTEGER NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL,"
            " step INTEGER NOT NULL, last_ms INTEGER NOT NULL, due_ms INTEGER NOT NULL,"
            " answers INTEGER NOT NULL, lapses INTEGER NOT NULL)",
            "CREATE TABLE drill_progress (id INTEGER PRIMARY KEY CHECK (id = 1), document TEXT NOT NULL)",
        },
    };
    return step;
}
