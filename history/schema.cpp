#include "history/schema.h"

#include "history/drill/drill_memory_schema.h"
#include "history/drill/drill_schema.h"
#include "history/play/play_schema.h"
#include "history/timing/timing_schema.h"
#include "history/timing/timing_stop_rule_schema.h"

const std::vector<SchemaStep>& programSchema()
{
    static const std::vector<SchemaStep> steps = {drillSchemaStep(), timingSchemaStep(), timingStopRuleSchemaStep(),
                                                  drillMemorySchemaStep(), playSchemaStep()};
    return steps;
}
