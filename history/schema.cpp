#include "history/schema.h"

const std::vector<SchemaStep>& programSchema()
{
    static const std::vector<SchemaStep> steps = {};
    return steps;
}
