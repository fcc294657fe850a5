#pragma once

#include <vector>

// One step of the history database's schema: the statements that take it
// from user_version N to N + 1. Steps are only ever appended: a step that has
// reached a player's database is never edited, since it will not run again.
struct SchemaStep {
    const char* purpose;
    std::vector<const char*> statements;
};

// The program's schema, in order. Each feature keeps its step in a file of
// its own here and adds one line to the list.
const std::vector<SchemaStep>& programSchema();
