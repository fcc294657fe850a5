#include "history/history_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>
#include <cstdio>

namespace {

// Marks the file as the program's own in SQLite's header, so that another
// program's database is told apart from one of ours that has no tables yet.
constexpr int kApplicationId = 0x4B52544F;  // "KRTO"

// How long a write waits for another copy of the program to finish its own:
// longer would stall the window that is answering.
constexpr int kBusyTimeoutMs = 250;

// SQLite's primary result codes that name a reason a player can act on.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kFull = 13;
constexpr int kNotADatabase = 26;
constexpr int kCorrupt = 11;

void say(const QString& line)
{
    std::fprintf(stderr, "kareto: %s\n", qPrintable(line));
}

int resultCodeOf(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

QString reasonOf(const QSqlError& error)
{
    switch (resultCodeOf(error)) {
    case kBusy:
    case kLocked: return QStringLiteral("ほかのカレトが使っています");
    case kReadOnly: return QStringLiteral("書き込みが許されていません");
    case kFull: return QStringLiteral("ディスクがいっぱいです");
    default: return QStringLiteral("書き込めません");
    }
}

QString newConnectionName()
{
    static std::atomic<int> count = 0;
    return QStringLiteral("kareto-history-%1").arg(count++);
}

// A name beside the file that nothing holds yet: kareto.sqlite.bad, then .bad.2, …
QString freeAsideName(const QString& path)
{
    QString aside = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo::exists(aside + QStringLiteral("-wal")); ++n)
        aside = path + QStringLiteral(".bad.%1").arg(n);
    return aside;
}

}  // namespace

HistoryDatabase::HistoryDatabase(QString path, std::vector<SchemaStep> schema)
    : path_(std::move(path)), schema_(std::move(schema)), connection_(newConnectionName())
{
}

HistoryDatabase::~HistoryDatabase()
{
    close();
}

QString HistoryDatabase::standardPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/kareto.sqlite");
}

bool HistoryDatabase::takeNewProblem()
{
    if (problemReported_)
        return false;
    problemReported_ = true;
    return true;
}

bool HistoryDatabase::read(const std::function<bool(QSqlDatabase&)>& query)
{
    if (!open(false))
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    return query(db);
}

bool HistoryDatabase::write(const std::function<bool(QSqlDatabase&)>& change)
{
    if (!open(true) || !migrate())
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // IMMEDIATE takes the write lock at once, so a second copy is met here
    // and not halfway through the change.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(reasonOf(begin.lastError()));
    if (change(db) && db.commit()) {
        problem_.clear();
        return true;
    }
    const QSqlError error = db.lastError();
    db.rollback();
    return fail(reasonOf(error));
}

bool HistoryDatabase::open(bool create)
{
    if (state_ == State::Open) {
        if (QFileInfo::exists(path_))
            return true;
        // Removed while open: what is written now would go to a file that no
        // later opening finds. Closing lets the next write make a new one.
        close();
    }
    if (state_ == State::Unusable)
        return false;
    if (path_.isEmpty())
        return create && fail(QStringLiteral("保存する場所がありません"));

    const QFileInfo file(path_);
    if (!file.exists()) {
        if (!create)
            return false;
        if (!QDir().mkpath(file.path()))
            return fail(QStringLiteral("フォルダー %1 を作れません").arg(file.path()));
    } else if (!file.isFile()) {
        // A FIFO or a folder of that name: opening it could hang or fail later.
        state_ = State::Unusable;
        return fail(QStringLiteral("%1 はファイルではありません").arg(path_));
    }

    if (!connect())
        return false;
    state_ = State::Open;
    if (isOurs())
        return true;
    if (state_ != State::Open)
        return false;
    if (!setAside())
        return false;
    return create && open(true);
}

bool HistoryDatabase::connect()
{
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path_);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (db.open())
            return true;
        error = db.lastError();
    }
    close();
    return fail(reasonOf(error));
}

// Ours: our application id, or an empty file; not ours: anything else SQLite
// can read, and anything it cannot. A history from a newer program is ours
// but not to be touched.
bool HistoryDatabase::isOurs()
{
    int applicationId = 0;
    int version = 0;
    int objects = 0;
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        if (query.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id),"
                                      " (SELECT user_version FROM pragma_user_version),"
                                      " (SELECT count(*) FROM sqlite_master)"))
            && query.next()) {
            applicationId = query.value(0).toInt();
            version = query.value(1).toInt();
            objects = query.value(2).toInt();
        } else {
            error = query.lastError();
        }
    }
    if (error.isValid()) {
        const int code = resultCodeOf(error);
        if (code == kNotADatabase || code == kCorrupt)
            return false;
        close();
        fail(reasonOf(error));
        return false;
    }
    if (applicationId == 0 && version == 0 && objects == 0)
        return true;
    if (applicationId != kApplicationId)
        return false;
    if (version > static_cast<int>(schema_.size())) {
        close();
        state_ = State::Unusable;
        fail(QStringLiteral("新しい版のカレトの履歴です"));
        return false;
    }
    return true;
}

bool HistoryDatabase::setAside()
{
    close();
    const QString aside = freeAsideName(path_);
    if (!QFile::rename(path_, aside)) {
        state_ = State::Unusable;
        say(QStringLiteral("%1 is not a history of this program and cannot be set aside; nothing is saved").arg(path_));
        return fail(QStringLiteral("%1 はカレトの履歴ではありません").arg(path_));
    }
    // Its journal goes with it: left behind, SQLite would replay it into the new file.
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (QFileInfo::exists(path_ + QLatin1String(suffix)))
            QFile::rename(path_ + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
    say(QStringLiteral("%1 is not a history of this program; set aside as %2").arg(path_, aside));
    return true;
}

bool HistoryDatabase::migrate()
{
    // Once a connection: the journal mode and the schema stay as set.
    if (migrated_)
        return true;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return fail(reasonOf(query.lastError()));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail(reasonOf(query.lastError()));
    for (int version = query.value(0).toInt(); version < static_cast<int>(schema_.size()); ++version) {
        // One transaction a step: a database is always at some step, never between two.
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return fail(reasonOf(query.lastError()));
        bool done = query.exec(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId));
        for (const char* statement : schema_[version].statements)
            done = done && query.exec(QString::fromUtf8(statement));
        done = done && query.exec(QStringLiteral("PRAGMA user_version=%1").arg(version + 1));
        if (!done || !db.commit()) {
            const QSqlError error = query.lastError().isValid() ? query.lastError() : db.lastError();
            db.rollback();
            return fail(reasonOf(error));
        }
    }
    if (schema_.empty() && !query.exec(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId)))
        return fail(reasonOf(query.lastError()));
    migrated_ = true;
    return true;
}

bool HistoryDatabase::fail(const QString& reason)
{
    const QString problem = QStringLiteral("履歴を保存できません（%1）。記録はこの回のあいだだけ残ります。").arg(reason);
    if (problem != problem_) {
        problem_ = problem;
        problemReported_ = false;
    }
    return false;
}

void HistoryDatabase::close()
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    if (state_ == State::Open)
        state_ = State::Closed;
    migrated_ = false;
}
