#pragma once

#include "history/history_database.h"

#include <QString>

#include <memory>
#include <optional>

// What every feature's part of the history shares: its own connection to
// the program's history file, and the problem met using it. A store takes
// and gives typed records; no window sees SQL.
class HistoryStore {
public:
    // The problem once for each new one; none while all is well.
    std::optional<HistoryProblem> takeNewProblem() { return database_->takeNewProblem(); }
    const QString& path() const { return database_->path(); }

protected:
    explicit HistoryStore(QString databasePath, HistoryDatabase::Access access = HistoryDatabase::Access::ReadWrite)
        : database_(std::make_unique<HistoryDatabase>(std::move(databasePath), programSchema(), access))
    {
    }

    HistoryDatabase& database() { return *database_; }

private:
    std::unique_ptr<HistoryDatabase> database_;  // held apart, so that a store moves
};
