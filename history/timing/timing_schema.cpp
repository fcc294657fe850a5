#include "history/timing/timing_schema.h"

const SchemaStep& timingSchemaStep()
{
    static const SchemaStep step = {
        "the timing drill's presses",
        {
            "CREATE TABLE timing_presses ("
            " id INTEGER PRIMARY KEY,"
            " pressed_at_ms INTEGER NOT NULL,"  // UTC
            " reel TEXT NOT NULL,"              // left, center or right
            " target_row TEXT NOT NULL,"        // upper, middle or lower
            " symbol TEXT NOT NULL,"            // such as seven
            " rpm INTEGER NOT NULL,"
            " slip INTEGER NOT NULL,"
            " stopped_cell INTEGER NOT NULL,"   // the cell 1..21 the reel stopped with on the target's row
            " hit INTEGER NOT NULL,"
            " cells_off INTEGER NOT NULL,"      // early negative
            " offset_ms REAL NOT NULL)",        // from the ideal moment, early negative
        },
    };
    return step;
}
