#include "tests/kareto_process.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// kareto --play GAMES [--setting 1..6] [--seed N], as run from a shell with no display.
class TestPlayCommand : public QObject {
    Q_OBJECT

private slots:
    // The counts add up: every game draws or holds, and every game stands once.
    void aSeededSessionIsRepeatableAndAddsUp()
    {
        QTemporaryDir folder;
        const QStringList arguments{"--play", "5000", "--setting", "6", "--seed", "11"};
        const Run first = kareto(arguments, folder.path());
        QCOMPARE(first.status, 0);
        QCOMPARE(kareto(arguments, folder.path()).out, first.out);
        std::int64_t free = -1, drawn = 0, shown = 0;
        for (const QString& line : first.out.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u'\t');
            if (fields[0] == QLatin1String("games_free"))
                free = fields[1].toLongLong();
            else if (fields[0] == QLatin1String("drawn"))
                drawn += fields[2].toLongLong();
            else if (fields[0] == QLatin1String("shown"))
                shown += fields[3].toLongLong();
            else
                QVERIFY2(QRegularExpression("^lined\t(big|reg)\t\\d+$").match(line).hasMatch(), qPrintable(line));
        }
        QCOMPARE(drawn, free);
        QCOMPARE(shown, 5000);
        QVERIFY(kareto({"--play", "5000", "--seed", "12"}, folder.path()).out != first.out);
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::newRow("negative") << QStringList{"--play", "-5"} << QStringLiteral("GAMES cannot be negative");
        QTest::newRow("not a number") << QStringList{"--play", "ten"} << QStringLiteral("GAMES takes a whole number");
        QTest::newRow("too many") << QStringList{"--play", "10000000000"} << QStringLiteral("GAMES is too large");
        QTest::newRow("setting 7") << QStringList{"--play", "10", "--setting", "7"} << QStringLiteral("--setting is too large");
        QTest::newRow("setting 0") << QStringList{"--play", "10", "--setting", "0"} << QStringLiteral("--setting is at least 1");
        QTest::newRow("a setting alone") << QStringList{"--setting", "3"} << QStringLiteral("--setting goes with --play only");
        QTest::newRow("no games") << QStringList{"--play"} << QStringLiteral("Missing value");
    }
    void badInputIsRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const Run run = kareto(arguments, folder.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(problem) && run.err.contains(QLatin1String("\nUsage: kareto [")), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestPlayCommand)
#include "tst_play_command.moc"
