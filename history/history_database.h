#pragma once

#include "history/history_problem.h"
#include "history/schema.h"
#include "history/statements.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The program's history: one SQLite file, $XDG_DATA_HOME/kareto/kareto.sqlite,
// shared by the windows that keep a record. Nothing is created until the first
// write. When the file cannot be used, writes fail and the caller goes on in
// memory; what was stored before stays as it was. A file that is not ours is
// set aside as kareto.sqlite.bad, never deleted.
class HistoryDatabase {
public:
    // ReadOnly: only read, and read leaving the folder as it was: nothing is
    // created, migrated or set aside, and every write fails.
    enum class Access { ReadWrite, ReadOnly };

    // `path` empty: there is nowhere to keep a history, every write fails.
    explicit HistoryDatabase(QString path, std::vector<SchemaStep> schema = programSchema(),
                             Access access = Access::ReadWrite);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // kareto.sqlite in the program's data folder, or empty when the system names none.
    static QString standardPath();

    // Runs `query` on the stored history. False, without calling it, while
    // there is no usable history file yet; an absent file is not created.
    // A statement that fails is a problem, unless it reads the tables of a
    // schema step this file has not reached yet: nothing is stored there.
    bool read(const std::function<bool(Statements&)>& query);

    // Runs `change` in one transaction, committed only when it returns true.
    // The first write creates the folder, the file and the schema.
    bool write(const std::function<bool(Statements&)>& change);

    // Why the last read or write could not use the file; none while all is well.
    const std::optional<HistoryProblem>& problem() const { return problem_; }
    // The problem once for each new one: the window says it once, not per answer.
    std::optional<HistoryProblem> takeNewProblem();

    const QString& path() const { return path_; }

private:
    enum class State { Closed, Open, Unusable };
    bool open(bool create);
    bool connect();
    bool isOurs();
    bool setAside();
    bool migrate();
    bool fail(HistoryProblem::Kind kind, const QString& reason, const QString& path);
    bool fail(const QSqlError& error);
    void close();

    QString path_;
    std::vector<SchemaStep> schema_;
    Access access_;
    QString connection_;
    State state_ = State::Closed;
    std::optional<HistoryProblem> problem_;
    bool problemReported_ = true;
    bool migrated_ = false;  // this connection's schema is current
    int version_ = 0;        // the schema step the file was at when opened
    bool reading_ = false;   // a read is under way, so a problem is met reading
};
