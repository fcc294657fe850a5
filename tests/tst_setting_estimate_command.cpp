#include "tests/kareto_process.h"

#include <QTemporaryDir>
#include <QTest>

// kareto --estimate-setting GAMES BIG REG [--prior WEIGHTS], as run from a
// shell with no display.
class TestSettingEstimateCommand : public QObject {
    Q_OBJECT

private slots:
    void printsOneLinePerSetting()
    {
        QTemporaryDir folder;
        const Run run = kareto({QStringLiteral("--estimate-setting"), QStringLiteral("6000"), QStringLiteral("24"),
                                QStringLiteral("16")},
                               folder.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines, (QStringList{QStringLiteral("1\t0.1234\t20.14\t14.28"), QStringLiteral("2\t0.1539\t21.61\t14.28"),
                                     QStringLiteral("3\t0.1688\t22.71\t14.28"), QStringLiteral("4\t0.1750\t23.80\t14.28"),
                                     QStringLiteral("5\t0.1900\t24.54\t15.38"), QStringLiteral("6\t0.1889\t24.90\t16.48")}));

        const Run leaning = kareto({QStringLiteral("--estimate-setting"), QStringLiteral("8000"), QStringLiteral("33"),
                                    QStringLiteral("22"), QStringLiteral("--prior"), QStringLiteral("1,2,3,4,5,6")},
                                   folder.path());
        QCOMPARE(leaning.status, 0);
        QVERIFY2(leaning.out.startsWith(QLatin1String("1\t0.0236\t")), qPrintable(leaning.out));
        QVERIFY(leaning.out.contains(QLatin1String("\n6\t0.3405\t")));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        const QString estimate = QStringLiteral("--estimate-setting");
        QTest::newRow("no counts") << QStringList{estimate} << QStringLiteral("three counts");
        QTest::newRow("two counts") << QStringList{estimate, "100", "1"} << QStringLiteral("three counts");
        QTest::newRow("not a number") << QStringList{estimate, "100", "x", "1"} << QStringLiteral("BIG takes a whole number");
        QTest::newRow("a fraction") << QStringList{estimate, "100.5", "1", "1"} << QStringLiteral("GAMES takes a whole number");
        QTest::newRow("negative") << QStringList{estimate, "100", "1", "-1"} << QStringLiteral("REG cannot be negative, not '-1'");
        QTest::newRow("negative games first") << QStringList{estimate, "-6000", "24", "16"}
                                              << QStringLiteral("GAMES cannot be negative, not '-6000'");
        QTest::newRow("beyond any count") << QStringList{estimate, "99999999999999999999", "1", "1"}
                                          << QStringLiteral("GAMES is too large");
        QTest::newRow("beyond a sane count") << QStringList{estimate, "9223372036854775807", "1", "1"}
                                             << QStringLiteral("GAMES is too large");
        QTest::newRow("a negative weight") << QStringList{estimate, "10", "0", "0", "--prior", "-1,1,1,1,1,1"}
                                           << QStringLiteral("not '-1,1,1,1,1,1'");
        QTest::newRow("more bonuses than games") << QStringList{estimate, "10", "6", "5"} << QStringLiteral("cannot be more");
        QTest::newRow("five weights") << QStringList{estimate, "10", "0", "0", "--prior", "1,1,1,1,1"} << QStringLiteral("six weights");
        QTest::newRow("a zero weight") << QStringList{estimate, "10", "0", "0", "--prior", "1,1,0,1,1,1"} << QStringLiteral("above 0");
        QTest::newRow("a prior alone") << QStringList{"--prior", "1,1,1,1,1,1"} << QStringLiteral("with --estimate-setting");
        QTest::newRow("with an export") << QStringList{estimate, "10", "0", "0", "--export-table", "t.csv"}
                                        << QStringLiteral("goes alone");
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const Run run = kareto(arguments, folder.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(problem) && run.err.contains(QLatin1String("\nUsage: kareto [")), qPrintable(run.err));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettingEstimateCommand)
#include "tst_setting_estimate_command.moc"
