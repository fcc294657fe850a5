// The program writes no file: the real binary, with its home and every XDG
// folder empty and its working directory a copy of the pictures, is played
// through start, stop, steps, a refusal, auto play, the information windows
// and quit, and afterwards nothing in any of those folders is new or changed.

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
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

}  // namespace

class NoFilesWritten : public QObject {
    Q_OBJECT

private slots:
    void playedThroughWritesNothing()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QStringList folders = {"home", "config", "cache", "data", "state", "runtime", "tmp", "work"};
        for (const QString& folder : folders)
            QVERIFY(QDir(root.path()).mkdir(folder));
        QVERIFY(QFile::setPermissions(root.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        for (const char* name : {"r1.bmp", "r2.bmp", "r3.bmp"})
            QVERIFY(QFile::copy(QStringLiteral(PICTURES_DIR "/") + name, root.filePath(QStringLiteral("work/") + name)));
        const QMap<QString, QString> before = contentsOf(root.path());

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

        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(root.filePath("work"));
        program.start(QStringLiteral(KARETO_BINARY), {});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        if (!program.waitForFinished(90000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program did not end within 90 s");
        }
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        const QString errors = QString::fromUtf8(program.readAllStandardError());

        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
                 qPrintable(output + errors));
        for (const char* step : {"notice", "start", "stop", "step", "refusal", "auto play", "auto stop",
                                 "information windows", "quit"})
            QVERIFY2(output.contains(QStringLiteral("driver: %1\n").arg(QLatin1String(step))),
                     qPrintable(QStringLiteral("step %1 missing from:\n%2").arg(QLatin1String(step), output)));
        QVERIFY2(!errors.contains(QStringLiteral("cannot be shown")), qPrintable(errors));

        const QMap<QString, QString> after = contentsOf(root.path());
        for (auto entry = after.cbegin(); entry != after.cend(); ++entry)
            QVERIFY2(before.value(entry.key()) == entry.value(),
                     qPrintable(QStringLiteral("%1: %2").arg(entry.key(), entry.value())));
        QCOMPARE(after.size(), before.size());
    }
};

QTEST_GUILESS_MAIN(NoFilesWritten)
#include "tst_no_files_written.moc"
