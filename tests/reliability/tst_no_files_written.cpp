// The program writes no file unless the drill is answered: the real binary,
// with its home and every XDG folder empty and its working directory a copy
// of the pictures, is played from inside. Played through start, stop, steps,
// a refusal, auto play, the information windows and quit, nothing in any of
// those folders is new or changed afterwards; with the drill opened and
// answered, the history database is the one new file, holding both answers.

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every entry under a folder, hidden ones included, with what a write changes.
QMap<QString, QString> contentsOf(const QString& root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries.insert(QDir(root).relativeFilePath(entry.filePath()),
                       QStringLiteral("%1 bytes, modified %2")
                           .arg(entry.isDir() ? 0 : entry.size())
                           .arg(entry.lastModified().toMSecsSinceEpoch()));
    }
    return entries;
}

// A home, XDG folders, a temporary folder and a working directory of their own.
struct Sandbox {
    QTemporaryDir root;
    QMap<QString, QString> before;
    QString output;
    QString errors;

    bool prepare()
    {
        if (!root.isValid())
            return false;
        for (const char* folder : {"home", "config", "cache", "data", "state", "runtime", "tmp", "work"})
            if (!QDir(root.path()).mkdir(folder))
                return false;
        if (!QFile::setPermissions(root.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
        for (const char* name : {"r1.bmp", "r2.bmp", "r3.bmp"})
            if (!QFile::copy(QStringLiteral(PICTURES_DIR "/") + name, root.filePath(QStringLiteral("work/") + name)))
                return false;
        before = contentsOf(root.path());
        return true;
    }

    // Runs the program played by the driver's scenario; empty when it ran
    // and ended well, else what went wrong.
    QString play(const QString& scenario)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", root.filePath("home"));
        environment.insert("XDG_CONFIG_HOME", root.filePath("config"));
        environment.insert("XDG_CACHE_HOME", root.filePath("cache"));
        environment.insert("XDG_DATA_HOME", root.filePath("data"));
        environment.insert("XDG_STATE_HOME", root.filePath("state"));
        environment.insert("XDG_RUNTIME_DIR", root.filePath("runtime"));
        environment.insert("TMPDIR", root.filePath("tmp"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_PLUGIN_PATH", QStringLiteral(DRIVER_PLUGIN_PATH));
        environment.insert("QT_QPA_GENERIC_PLUGINS", "kareto-driver");
        environment.insert("KARETO_DRIVER_SCENARIO", scenario);

        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(root.filePath("work"));
        program.start(QStringLiteral(KARETO_BINARY), {});
        if (!program.waitForStarted())
            return program.errorString();
        if (!program.waitForFinished(90000)) {
            program.kill();
            program.waitForFinished();
            return QStringLiteral("the program did not end within 90 s");
        }
        output = QString::fromUtf8(program.readAllStandardOutput());
        errors = QString::fromUtf8(program.readAllStandardError());
        if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
            return output + errors;
        return {};
    }

    // The steps the driver did not report as done.
    QStringList missing(std::initializer_list<const char*> steps) const
    {
        QStringList left;
        for (const char* step : steps)
            if (!output.contains(QStringLiteral("driver: %1\n").arg(QLatin1String(step))))
                left << QLatin1String(step);
        return left;
    }

    // Entries new or changed since prepare().
    QStringList changes() const
    {
        QStringList changed;
        const QMap<QString, QString> after = contentsOf(root.path());
        for (auto entry = after.cbegin(); entry != after.cend(); ++entry)
            if (before.value(entry.key()) != entry.value())
                changed << entry.key();
        for (auto entry = before.cbegin(); entry != before.cend(); ++entry)
            if (!after.contains(entry.key()))
                changed << entry.key() + QStringLiteral(" (gone)");
        return changed;
    }
};

}  // namespace

class NoFilesWritten : public QObject {
    Q_OBJECT

private slots:
    void playedThroughWritesNothing()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.prepare());
        const QString failure = sandbox.play(QStringLiteral("game"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QStringList missing = sandbox.missing({"notice", "start", "stop", "step", "refusal", "auto play",
                                                     "auto stop", "information windows", "quit"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ") + " missing from:\n" + sandbox.output));
        QVERIFY2(!sandbox.errors.contains(QStringLiteral("built-in strip")), qPrintable(sandbox.errors));
        QVERIFY2(sandbox.changes().isEmpty(), qPrintable(sandbox.changes().join('\n')));
    }

    void answeringTheDrillWritesOnlyItsProgress()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.prepare());
        const QString failure = sandbox.play(QStringLiteral("drill"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QStringList missing = sandbox.missing({"notice", "drill", "answer", "next", "answer again", "quit"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ") + " missing from:\n" + sandbox.output));
        QCOMPARE(sandbox.changes(), QStringList({"data", "data/kareto", "data/kareto/kareto.sqlite"}));

        QSqlDatabase history = QSqlDatabase::addDatabase("QSQLITE", "history");
        history.setDatabaseName(sandbox.root.filePath("data/kareto/kareto.sqlite"));
        QVERIFY(history.open());
        QSqlQuery answers(history);
        QVERIFY(answers.exec("SELECT count(*) FROM drill_answers") && answers.next());
        QCOMPARE(answers.value(0).toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(NoFilesWritten)
#include "tst_no_files_written.moc"
