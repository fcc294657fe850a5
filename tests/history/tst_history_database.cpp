#include "history_fixture.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestHistoryDatabase : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<QTemporaryDir>(); }
    void nothingIsCreatedBeforeTheFirstWrite();
    void writesAreKeptAcrossOpenings();
    void aFileRemovedWhileOpenIsMadeAgainOnTheNextWrite();
    void aFolderThatCannotBeMadeLeavesTheCallerInMemory();
    void aLockedFileRefusesTheWriteAndLosesNothing();
    void aFileNotOursIsSetAsideAndReplaced_data();
    void aFileNotOursIsSetAsideAndReplaced();
    void aHistoryFromANewerProgramIsLeftAlone();
    void aFailedChangeLeavesNoTrace();
    void laterStepsMigrateAnOlderHistory();
    void aFailedReadingIsAProblemUnlessItsStepIsToCome();
    void aHistoryOnlyReadLeavesItsFolderAsItWas();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString path() const { return folder_->filePath(QStringLiteral("data/kareto.sqlite")); }
};

void TestHistoryDatabase::nothingIsCreatedBeforeTheFirstWrite()
{
    HistoryDatabase history(path(), answersSchema());
    QCOMPARE(storedAnswers(history), std::vector<int>{-1});
    QVERIFY(!QDir(folder_->filePath(QStringLiteral("data"))).exists());
    QVERIFY(!history.problem());

    QVERIFY(insertAnswer(history, 7));
    QVERIFY(QFile::exists(path()));
    QCOMPARE(storedAnswers(history), std::vector<int>{7});
}

void TestHistoryDatabase::writesAreKeptAcrossOpenings()
{
    {
        HistoryDatabase history(path(), answersSchema());
        QVERIFY(insertAnswer(history, 1));
        QVERIFY(insertAnswer(history, 2));
    }
    HistoryDatabase again(path(), answersSchema());
    QCOMPARE(storedAnswers(again), (std::vector<int>{1, 2}));
    QVERIFY(again.read([](Statements& sql) {
        return sql.run(QStringLiteral("PRAGMA journal_mode")) && sql.next() && sql.value(0).toString() == QLatin1String("wal");
    }));
}

void TestHistoryDatabase::aFileRemovedWhileOpenIsMadeAgainOnTheNextWrite()
{
    HistoryDatabase history(path(), answersSchema());
    QVERIFY(insertAnswer(history, 1));
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(path() + QLatin1String(suffix));

    QCOMPARE(storedAnswers(history), std::vector<int>{-1});
    QVERIFY(insertAnswer(history, 2));
    HistoryDatabase again(path(), answersSchema());
    QCOMPARE(storedAnswers(again), std::vector<int>{2});
}

void TestHistoryDatabase::aFolderThatCannotBeMadeLeavesTheCallerInMemory()
{
    // As root no permission stops a write; a folder under a regular file cannot exist.
    QFile blocker(folder_->filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    HistoryDatabase history(blocker.fileName() + QStringLiteral("/kareto/kareto.sqlite"), answersSchema());

    QVERIFY(!insertAnswer(history, 1));
    const std::optional<HistoryProblem> problem = history.takeNewProblem();
    QVERIFY(problem);
    QCOMPARE(problem->kind, HistoryProblem::Kind::FolderNotMade);
    QCOMPARE(problem->reason, QStringLiteral("Not a directory"));  // the system's own words
    QVERIFY(!problem->whileReading);
    QVERIFY(!insertAnswer(history, 2));
    QVERIFY2(!history.takeNewProblem(), "the same problem is said once");
}

void TestHistoryDatabase::aLockedFileRefusesTheWriteAndLosesNothing()
{
    HistoryDatabase history(path(), answersSchema());
    QVERIFY(insertAnswer(history, 1));

    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other copy"));
        other.setDatabaseName(path());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

        QVERIFY(!insertAnswer(history, 2));
        QCOMPARE(history.takeNewProblem().value_or(HistoryProblem{}).kind, HistoryProblem::Kind::InUse);
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other copy"));

    QVERIFY(insertAnswer(history, 3));
    QVERIFY(!history.problem());
    QCOMPARE(storedAnswers(history), (std::vector<int>{1, 3}));
}

void TestHistoryDatabase::aFileNotOursIsSetAsideAndReplaced_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("anotherProgramsDatabase");
    QTest::newRow("garbage") << QByteArray("this is not a database, only some text\n").repeated(200) << false;
    QTest::newRow("another program's SQLite") << QByteArray() << true;
}

void TestHistoryDatabase::aFileNotOursIsSetAsideAndReplaced()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, anotherProgramsDatabase);
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    if (anotherProgramsDatabase) {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
        other.setDatabaseName(path());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("CREATE TABLE recipes (name TEXT)")));
        other.close();
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
    } else {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    // An older .bad is kept: the new one takes a free name.
    QFile older(path() + QStringLiteral(".bad"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("older");
    older.close();
    QFile original(path());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    HistoryDatabase history(path(), answersSchema());
    QCOMPARE(storedAnswers(history), std::vector<int>{-1});
    QVERIFY(insertAnswer(history, 5));
    QCOMPARE(storedAnswers(history), std::vector<int>{5});

    QFile aside(path() + QStringLiteral(".bad.2"));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), before);
    QFile kept(path() + QStringLiteral(".bad"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("older"));
}

void TestHistoryDatabase::aHistoryFromANewerProgramIsLeftAlone()
{
    std::vector<SchemaStep> newer = answersSchema();
    newer.push_back({"later", {"CREATE TABLE later (x INTEGER)"}});
    {
        HistoryDatabase history(path(), newer);
        QVERIFY(insertAnswer(history, 1));
    }
    HistoryDatabase history(path(), answersSchema());
    QVERIFY(!insertAnswer(history, 2));
    QCOMPARE(history.problem().value_or(HistoryProblem{}).kind, HistoryProblem::Kind::NewerVersion);
    QVERIFY(!QFile::exists(path() + QStringLiteral(".bad")));
    HistoryDatabase newerAgain(path(), newer);
    QCOMPARE(storedAnswers(newerAgain), std::vector<int>{1});
}

void TestHistoryDatabase::aFailedChangeLeavesNoTrace()
{
    HistoryDatabase history(path(), answersSchema());
    QVERIFY(insertAnswer(history, 1));
    QVERIFY(!history.write([](Statements& sql) {
        return sql.run(QStringLiteral("INSERT INTO answers (value) VALUES (2)"))
               && sql.run(QStringLiteral("INSERT INTO answers (value) VALUES (NULL)"));
    }));
    QCOMPARE(storedAnswers(history), std::vector<int>{1});
    // The reason is the failing statement's own, not the connection's.
    QVERIFY(history.problem().value_or(HistoryProblem{}).reason.contains(QStringLiteral("NOT NULL")));
    QVERIFY(insertAnswer(history, 3));
    QCOMPARE(storedAnswers(history), (std::vector<int>{1, 3}));
}

void TestHistoryDatabase::laterStepsMigrateAnOlderHistory()
{
    {
        HistoryDatabase history(path(), answersSchema());
        QVERIFY(insertAnswer(history, 1));
    }
    std::vector<SchemaStep> later = answersSchema();
    later.push_back({"notes", {"CREATE TABLE notes (text TEXT)", "INSERT INTO notes VALUES ('first')"}});
    HistoryDatabase history(path(), later);
    QVERIFY(insertAnswer(history, 2));
    QCOMPARE(storedAnswers(history), (std::vector<int>{1, 2}));
    QVERIFY(history.read([](Statements& sql) {
        return sql.run(QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version), text FROM notes"))
               && sql.next() && sql.value(0).toInt() == 2 && sql.value(1).toString() == QLatin1String("first");
    }));
}

// A reading that fails is a problem too, said as one met reading; one that
// reads the tables of a step the file has not reached yet only finds nothing.
void TestHistoryDatabase::aFailedReadingIsAProblemUnlessItsStepIsToCome()
{
    {
        HistoryDatabase history(path(), answersSchema());
        QVERIFY(insertAnswer(history, 1));
    }
    std::vector<SchemaStep> later = answersSchema();
    later.push_back({"notes", {"CREATE TABLE notes (text TEXT)"}});
    HistoryDatabase older(path(), later);
    QVERIFY(!older.read([](Statements& sql) { return sql.run(QStringLiteral("SELECT text FROM notes")); }));
    QVERIFY(!older.problem());

    HistoryDatabase current(path(), answersSchema());
    QVERIFY(!current.read([](Statements& sql) { return sql.run(QStringLiteral("SELECT missing FROM answers")); }));
    const HistoryProblem problem = current.takeNewProblem().value_or(HistoryProblem{});
    QVERIFY(problem.whileReading);
    QVERIFY(problem.reason.contains(QStringLiteral("missing")));
}

namespace {

// Each file of the folder with its bytes.
QMap<QString, QByteArray> filesIn(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(entry.filePath());
        files.insert(entry.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable"));
    }
    return files;
}

}  // namespace

// Read, and only read: no file made, none migrated, none set aside, none
// left beside the history; and what another copy holding it has just
// written is read as well.
void TestHistoryDatabase::aHistoryOnlyReadLeavesItsFolderAsItWas()
{
    const QString folder = QFileInfo(path()).path();
    {
        HistoryDatabase reader(path(), answersSchema(), HistoryDatabase::Access::ReadOnly);
        QCOMPARE(storedAnswers(reader), std::vector<int>{-1});
        QVERIFY(!insertAnswer(reader, 1));
        QVERIFY(!QDir(folder).exists());
    }
    {
        HistoryDatabase history(path(), answersSchema());
        QVERIFY(insertAnswer(history, 1));
    }
    std::vector<SchemaStep> later = answersSchema();
    later.push_back({"notes", {"CREATE TABLE notes (text TEXT)"}});
    const QMap<QString, QByteArray> closed = filesIn(folder);
    QCOMPARE(closed.keys(), QStringList{"kareto.sqlite"});
    {
        HistoryDatabase reader(path(), later, HistoryDatabase::Access::ReadOnly);
        QCOMPARE(storedAnswers(reader), std::vector<int>{1});
        QVERIFY(!insertAnswer(reader, 2));
        QVERIFY(!reader.problem());
    }
    QCOMPARE(filesIn(folder), closed);

    HistoryDatabase writer(path(), answersSchema());
    QVERIFY(insertAnswer(writer, 2));
    {
        HistoryDatabase reader(path(), answersSchema(), HistoryDatabase::Access::ReadOnly);
        QCOMPARE(storedAnswers(reader), (std::vector<int>{1, 2}));
    }

    const QString foreign = folder_->filePath(QStringLiteral("other/kareto.sqlite"));
    QVERIFY(QDir().mkpath(QFileInfo(foreign).path()));
    QFile file(foreign);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("not a database\n").repeated(100));
    file.close();
    const QMap<QString, QByteArray> before = filesIn(QFileInfo(foreign).path());
    HistoryDatabase reader(foreign, answersSchema(), HistoryDatabase::Access::ReadOnly);
    QCOMPARE(storedAnswers(reader), std::vector<int>{-1});
    QCOMPARE(reader.problem().value_or(HistoryProblem{}).kind, HistoryProblem::Kind::NotOurs);
    QCOMPARE(filesIn(QFileInfo(foreign).path()), before);
}

QTEST_GUILESS_MAIN(TestHistoryDatabase)
#include "tst_history_database.moc"
