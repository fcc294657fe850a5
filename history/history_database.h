#pragma once

#include "history/schema.h"

#include <QString>

#include <functional>
#include <vector>

class QSqlDatabase;

// The program's history: one SQLite file, $XDG_DATA_HOME/kareto/kareto.sqlite,
// shared by the drills. Nothing is created until the first write. When the
// file cannot be used, writes fail and the caller goes on in memory; what was
// stored before stays as it was. A file that is not ours is set aside as
// kareto.sqlite.bad, never deleted.
class HistoryDatabase {
public:
    // `path` empty: there is nowhere to keep a history, every write fails.
    explicit HistoryDatabase(QString path, std::vector<SchemaStep> schema = programSchema());
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // kareto.sqlite in the program's data folder, or empty when the system names none.
    static QString standardPath();

    // Runs `query` on the stored history. False, without calling it, while
    // there is no usable history file yet; an absent file is not created.
    bool read(const std::function<bool(QSqlDatabase&)>& query);

    // Runs `change` in one transaction, committed only when it returns true.
    // The first write creates the folder, the file and the schema.
    bool write(const std::function<bool(QSqlDatabase&)>& change);

    // Why the last read or write could not use the file, for the window's one
    // line; empty while all is well.
    const QString& problem() const { return problem_; }
    // True once for each new problem: the window says it once, not per answer.
    bool takeNewProblem();

    const QString& path() const { return path_; }

private:
    enum class State { Closed, Open, Unusable };
    bool open(bool create);
    bool connect();
    bool isOurs();
    bool setAside();
    bool migrate();
    bool fail(const QString& reason);
    void close();

    QString path_;
    std::vector<SchemaStep> schema_;
    QString connection_;
    State state_ = State::Closed;
    QString problem_;
    bool problemReported_ = true;
    bool migrated_ = false;  // this connection's schema is current
};
