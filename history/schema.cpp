#include "history/schema.h"

#include "history/drill_schema.h"

const std::vector<SchemaStep>& programSchema()
{
    static const std::vector<SchemaStep> steps = {drillSchemaStep()};
    return steps;
}
