#pragma once

#include "history/history_database.h"


// A schema of one table, a row a write, as a drill keeps its answers.
inline std::vector<SchemaStep> answersSchema()
{
    return {{"answers", {"CREATE TABLE answers (id INTEGER PRIMARY KEY, value INTEGER NOT NULL)"}}};
}

inline bool insertAnswer(HistoryDatabase& history, int value)
{
    return history.write(
        [value](Statements& sql) { return sql.run(QStringLiteral("INSERT INTO answers (value) VALUES (?)"), {value}); });
}

// The stored values in order, or -1 alone when the history cannot be read.
inline std::vector<int> storedAnswers(HistoryDatabase& history)
{
    std::vector<int> values;
    const bool read = history.read([&values](Statements& sql) {
        if (!sql.run(QStringLiteral("SELECT value FROM answers ORDER BY id")))
            return false;
        while (sql.next())
            values.push_back(sql.value(0).toInt());
        return true;
    });
    return read ? values : std::vector<int>{-1};
}
