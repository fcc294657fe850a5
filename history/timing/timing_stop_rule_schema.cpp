#include "history/timing/timing_stop_rule_schema.h"

const SchemaStep& timingStopRuleSchemaStep()
{
    static const SchemaStep step = {
        "the stop rule the timing drill's presses were judged by",
        {
            // 1: the cell that last came onto the row, every press kept until now;
            // 2: the first cell to stand aligned at or after the press, as the machine stops.
            "ALTER TABLE timing_presses ADD COLUMN stop_rule INTEGER NOT NULL DEFAULT 1",
        },
    };
    return step;
}
