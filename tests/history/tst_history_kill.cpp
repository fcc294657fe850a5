#include "history_fixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

// The writer: the test's own binary run again, writing rows without end and
// saying after each commit how many it has committed.
constexpr char kWriterPath[] = "KARETO_HISTORY_WRITER";

int runWriter(const QString& path)
{
    HistoryDatabase history(path, answersSchema());
    for (int value = 1;; ++value) {
        if (!insertAnswer(history, value))
            return 1;
        std::printf("%d\n", value);
        std::fflush(stdout);
    }
}

}  // namespace

class TestHistoryKill : public QObject {
    Q_OBJECT

private slots:
    void aKillDuringWritesLosesNoCommittedAnswer()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kareto.sqlite"));
        for (int round = 0; round < 5; ++round) {
            QProcess writer;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QLatin1String(kWriterPath), path);
            writer.setProcessEnvironment(environment);
            writer.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(writer.waitForStarted());
            QByteArray said;
            while (said.count('\n') < 50 * (round + 1) && writer.waitForReadyRead(10000))
                said += writer.readAllStandardOutput();
            writer.kill();
            QVERIFY(writer.waitForFinished());
            said += writer.readAllStandardOutput();
            const QList<QByteArray> lines = said.trimmed().split('\n');
            const int lastCommitted = lines.last().toInt();
            QVERIFY(lastCommitted > 0);

            HistoryDatabase history(path, answersSchema());
            const std::vector<int> stored = storedAnswers(history);
            QVERIFY2(static_cast<int>(stored.size()) >= lastCommitted,
                     qPrintable(QStringLiteral("%1 stored, %2 committed").arg(stored.size()).arg(lastCommitted)));
            QVERIFY(history.read([](Statements& sql) {
                return sql.run(QStringLiteral("PRAGMA integrity_check")) && sql.next()
                       && sql.value(0).toString() == QLatin1String("ok");
            }));
        }
    }
};

int main(int argc, char** argv)
{
    if (const char* path = std::getenv(kWriterPath)) {
        QCoreApplication application(argc, argv);
        return runWriter(QString::fromLocal8Bit(path));
    }
    QCoreApplication application(argc, argv);
    TestHistoryKill test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_history_kill.moc"
