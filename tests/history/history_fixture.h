#pragma once

#include "history/history_database.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

// A schema of one table, a row a write, as a drill keeps its answers.
inline std::vector<SchemaStep> answersSchema()
{
    return {{"answers", {"CREATE TABLE answers (id INTEGER PRIMARY KEY, value INTEGER NOT NULL)"}}};
}

inline bool insertAnswer(HistoryDatabase& history, int value)
{
    return history.write([value](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO answers (value) VALUES (?)"));
        query.addBindValue(value);
        return query.exec();
    });
}

// The stored values in order, or -1 alone when the history cannot be read.
inline std::vector<int> storedAnswers(HistoryDatabase& history)
{
    std::vector<int> values;
    const bool read = history.read([&values](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT value FROM answers ORDER BY id")))
            return false;
        while (query.next())
            values.push_back(query.value(0).toInt());
        return true;
    });
    return read ? values : std::vector<int>{-1};
}
