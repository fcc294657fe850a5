#include "core/pairs/pair_listing.h"
#include "tests/kareto_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

}  // namespace

// kareto --pairs ORDER and --export-pairs FILE.csv, as run from a shell with
// no display.
class TestPairsCommand : public QObject {
    Q_OBJECT

private slots:
    void printsEveryPairOfTheOrder_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("orderIndex");
        QTest::addColumn<QString>("aLine");
        // Pairs the commentary calls 左、中の２確目 (9-13-?) and 左、右の２確目 (13-?-6).
        QTest::newRow("left-center") << "left-center" << 0 << "9\t13\tBIG\tbig";
        QTest::newRow("left-right") << "left-right" << 1 << "13\t6\tBONUS\tbig,br";
    }

    void printsEveryPairOfTheOrder()
    {
        QFETCH(QString, order);
        QFETCH(int, orderIndex);
        QFETCH(QString, aLine);
        QTemporaryDir folder;
        const Run run = kareto({QStringLiteral("--pairs"), order}, folder.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString::fromStdString(pairsListing(kStopOrders[std::size_t(orderIndex)])));
        const QStringList lines = run.out.split(u'\n');
        QCOMPARE(lines.size(), 442);  // the last line ends too
        QCOMPARE(lines.constFirst().section(u'\t', 0, 1), QStringLiteral("1\t1"));
        QCOMPARE(lines[440].section(u'\t', 0, 1), QStringLiteral("21\t21"));
        QVERIFY2(lines.contains(aLine), qPrintable(aLine));
        QVERIFY(filesIn(folder.path()).isEmpty());
    }

    void exportsBothOrdersAsCsv()
    {
        QTemporaryDir folder;
        const Run run = kareto({QStringLiteral("--export-pairs"), QStringLiteral("pairs.CSV")}, folder.path());
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QFile written(folder.filePath(QStringLiteral("pairs.CSV")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray csv = written.readAll();
        QVERIFY(csv.startsWith("\xEF\xBB\xBF" "order,left,second,verdict,groups,order_words,verdict_words,"
                               "third_can_bring\r\n"));
        QCOMPARE(QString::fromUtf8(csv.mid(3)), QString::fromStdU16String(pairsCsv()));
        QCOMPARE(csv.count("\r\n"), 1 + 2 * 441);
        QVERIFY(csv.contains("\"left-right\",13,6,\"BONUS\",\"big,br\",\"はさみ打ち\",\"ボーナス確定\",\"ＢＩＧ、Ｂ＆Ｒ共通\"\r\n"));
    }

    void usageErrorsAndWriteFailures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no order") << QStringList{"--pairs"} << 2 << "--pairs";
        QTest::newRow("an order reversed") << QStringList{"--pairs", "center-left"} << 2 << "not 'center-left'";
        QTest::newRow("an order in capitals") << QStringList{"--pairs", "LEFT-RIGHT"} << 2 << "not 'LEFT-RIGHT'";
        QTest::newRow("an empty order") << QStringList{"--pairs", ""} << 2 << "not ''";
        QTest::newRow("two orders") << QStringList{"--pairs", "left-center", "--pairs", "left-right"} << 2
                                    << "more than once";
        QTest::newRow("a stray argument") << QStringList{"--pairs", "left-center", "x"} << 2 << "'x'";
        QTest::newRow("with the table") << QStringList{"--pairs", "left-center", "--export-table", "t.csv"} << 2
                                        << "goes alone";
        QTest::newRow("no file") << QStringList{"--export-pairs"} << 2 << "--export-pairs";
        QTest::newRow("not a csv file") << QStringList{"--export-pairs", "pairs.pdf"} << 2 << "'pairs.pdf'";
        QTest::newRow("no extension") << QStringList{"--export-pairs", "pairs"} << 2 << "'pairs'";
        QTest::newRow("both pair commands") << QStringList{"--export-pairs", "p.csv", "--pairs", "left-right"} << 2
                                            << "goes alone";
        QTest::newRow("a folder under a file") << QStringList{"--export-pairs", "file/p.csv"} << 1
                                               << "cannot write 'file/p.csv': ";
        QTest::newRow("a folder in the way") << QStringList{"--export-pairs", "folder.csv"} << 1
                                             << "cannot write 'folder.csv': ";
    }

    void usageErrorsAndWriteFailures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("a regular file") > 0);
        file.close();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.csv")));
        const Run run = kareto(arguments, folder.path());
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QString());
        QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("QStandardPaths")); });
        QCOMPARE(lines.size(), status == 2 ? 2 : 1);
        QVERIFY2(lines[0].startsWith(QLatin1String("kareto: ")) && lines[0].contains(problem), qPrintable(lines[0]));
        if (status == 2)
            QVERIFY2(lines[1].startsWith(QLatin1String("Usage: kareto [")) &&
                         lines[1].contains(QLatin1String("--pairs left-center|left-right | --export-pairs FILE.csv")),
                     qPrintable(lines[1]));
        else
            QVERIFY2(lines[0].size() > QStringLiteral("kareto: ").size() + problem.size(), "the reason is named");
        QCOMPARE(filesIn(folder.path()), QStringList{QStringLiteral("file")});
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("folder.csv"))).isDir());
    }
};

QTEST_GUILESS_MAIN(TestPairsCommand)
#include "tst_pairs_command.moc"
