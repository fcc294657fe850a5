#include "history/history_database.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <atomic>
#include <cstdio>
#include <filesystem>

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
constexpr int kCannotOpen = 14;

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

HistoryProblem::Kind kindOf(const QSqlError& error)
{
    switch (resultCodeOf(error)) {
    case kBusy:
    case kLocked: return HistoryProblem::Kind::InUse;
    case kReadOnly:
    case kCannotOpen: return HistoryProblem::Kind::ReadOnly;
    case kFull: return HistoryProblem::Kind::DiskFull;
    default: return HistoryProblem::Kind::Failed;
    }
}

// Makes the folder and its parents; the system's reason when it cannot.
QString folderMadeOrWhyNot(const QString& folder)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
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

HistoryDatabase::HistoryDatabase(QString path, std::vector<SchemaStep> schema, Access access)
    : path_(std::move(path)), schema_(std::move(schema)), access_(access), connection_(newConnectionName())
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

std::optional<HistoryProblem> HistoryDatabase::takeNewProblem()
{
    if (problemReported_)
        return std::nullopt;
    problemReported_ = true;
    return problem_;
}

bool HistoryDatabase::read(const std::function<bool(Statements&)>& query)
{
    reading_ = true;
    const auto done = qScopeGuard([this] { reading_ = false; });
    if (!open(false))
        return false;
    Statements statements(QSqlDatabase::database(connection_, false));
    if (query(statements))
        return true;
    if (statements.error().isValid() && (migrated_ || version_ >= static_cast<int>(schema_.size())))
        fail(statements.error());
    return false;
}

bool HistoryDatabase::write(const std::function<bool(Statements&)>& change)
{
    if (access_ == Access::ReadOnly)
        return false;
    if (!open(true) || !migrate())
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Statements statements(db);
    // IMMEDIATE takes the write lock at once, so a second copy is met here
    // and not halfway through the change.
    if (!statements.run(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(statements.error());
    if (change(statements) && db.commit()) {
        problem_.reset();
        return true;
    }
    const QSqlError error = statements.error().isValid() ? statements.error() : db.lastError();
    db.rollback();
    return fail(error);
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
        return create && fail(HistoryProblem::Kind::NoPlace, {}, {});

    const QFileInfo file(path_);
    if (!file.exists()) {
        if (!create)
            return false;
        if (const QString why = folderMadeOrWhyNot(file.path()); !why.isEmpty())
            return fail(HistoryProblem::Kind::FolderNotMade, why, file.path());
    } else if (!file.isFile()) {
        // A FIFO or a folder of that name: opening it could hang or fail later.
        state_ = State::Unusable;
        return fail(HistoryProblem::Kind::NotAFile, {}, path_);
    }

    if (!connect())
        return false;
    state_ = State::Open;
    if (isOurs())
        return true;
    if (state_ != State::Open)
        return false;
    if (access_ == Access::ReadOnly) {
        close();
        return fail(HistoryProblem::Kind::NotOurs, {}, path_);
    }
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
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        if (access_ == Access::ReadOnly) {
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
            // A read-only connection would leave a -wal and -shm file behind
            // for a history that has none. It has none when no copy of the
            // program holds it open (the last to close it checkpoints and
            // removes them), so nothing is being written and the file may be
            // read as it stands.
            if (!QFileInfo::exists(path_ + QStringLiteral("-wal"))) {
                options += QStringLiteral(";QSQLITE_OPEN_URI");
                QUrl url = QUrl::fromLocalFile(path_);
                url.setQuery(QStringLiteral("immutable=1"));
                db.setDatabaseName(url.toString(QUrl::FullyEncoded));
            }
        }
        db.setConnectOptions(options);
        if (db.open())
            return true;
        error = db.lastError();
    }
    close();
    return fail(error);
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
        fail(error);
        return false;
    }
    version_ = version;
    if (applicationId == 0 && version == 0 && objects == 0)
        return true;
    if (applicationId != kApplicationId)
        return false;
    if (version > static_cast<int>(schema_.size())) {
        close();
        state_ = State::Unusable;
        fail(HistoryProblem::Kind::NewerVersion, {}, path_);
        return false;
    }
    return true;
}

bool HistoryDatabase::setAside()
{
    close();
    const QString aside = freeAsideName(path_);
    QFile file(path_);
    if (!file.rename(aside)) {
        state_ = State::Unusable;
        return fail(HistoryProblem::Kind::NotOurs, file.errorString(), path_);
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
    Statements statements(db);
    if (!statements.run(QStringLiteral("PRAGMA journal_mode=WAL")) || !statements.run(QStringLiteral("PRAGMA user_version"))
        || !statements.next())
        return fail(statements.error());
    for (int version = statements.value(0).toInt(); version < static_cast<int>(schema_.size()); ++version) {
        // One transaction a step: a database is always at some step, never between two.
        if (!statements.run(QStringLiteral("BEGIN IMMEDIATE")))
            return fail(statements.error());
        bool done = statements.run(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId));
        for (const char* statement : schema_[version].statements)
            done = done && statements.run(QString::fromUtf8(statement));
        done = done && statements.run(QStringLiteral("PRAGMA user_version=%1").arg(version + 1));
        if (!done || !db.commit()) {
            const QSqlError error = statements.error().isValid() ? statements.error() : db.lastError();
            db.rollback();
            return fail(error);
        }
    }
    if (schema_.empty() && !statements.run(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId)))
        return fail(statements.error());
    migrated_ = true;
    return true;
}

bool HistoryDatabase::fail(HistoryProblem::Kind kind, const QString& reason, const QString& path)
{
    const HistoryProblem problem{kind, reason, path, reading_};
    if (problem != problem_) {
        problem_ = problem;
        problemReported_ = false;
    }
    return false;
}

bool HistoryDatabase::fail(const QSqlError& error)
{
    return fail(kindOf(error), error.databaseText().isEmpty() ? error.text() : error.databaseText(), path_);
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
