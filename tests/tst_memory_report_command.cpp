#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "history/drill/drill_history.h"
#include "tests/drill/fsrs_learner.h"
#include "tests/kareto_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const QString kHeader = QStringLiteral("card,answered_at_ms,right,answer_ms\n");

// A week and a half of a forgetful player's answers, on fewer cards than
// the deck holds, so that each can stand for one of its cards.
std::vector<CardAnswer> someAnswers()
{
    MemoryWeights forgetful = MemoryModel::kDefaultWeights;
    forgetful[0] = 0.05;
    forgetful[2] = 0.8;
    forgetful[20] = 0.5;
    return FsrsLearner(forgetful, 5).drill(10, 15);
}

QString csvOf(const std::vector<CardAnswer>& answers)
{
    QString text = kHeader;
    for (const CardAnswer& answer : answers)
        text += QStringLiteral("\"%1\",%2,%3,%4\n")
                    .arg(QString::fromStdString(CardDeck::instance().keyOf(answer.card)))
                    .arg(answer.atMs)
                    .arg(answer.right ? 1 : 0)
                    .arg(answer.answerMs);
    return text;
}

void write(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// Each file under the folder with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDir top(folder);
    for (const QString& name : top.entryList(QDir::Files | QDir::NoDotAndDotDot)) {
        QFile file(top.filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

QStringList keysOf(const QString& out)
{
    QStringList keys;
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts))
        keys << line.section(u'\t', 0, 0);
    return keys;
}

}  // namespace

// kareto --memory-report [--answers FILE.csv [--predict TEST.csv]], the real
// program with no display.
class TestMemoryReportCommand : public QObject {
    Q_OBJECT

private slots:
    // The player's own history, only read, reports as the same answers
    // written out as CSV, a 2確目 card's among them; the weights in use are
    // the current ones.
    void reportsThePlayersHistoryAndWritesNothing()
    {
        QTemporaryDir folder;
        const std::vector<CardAnswer> answers = someAnswers();
        QVERIFY(answers.size() > 300);
        const QString database = folder.filePath("data/kareto/kareto.sqlite");
        {
            DrillHistory history(database, QString());
            Progress progress = history.load(0);
            for (const CardAnswer& answer : answers) {
                const Card& card = CardDeck::instance().card(answer.card);
                QVERIFY(history.record({answer.atMs, card.patterns.front(), answer.card, answer.right ? card.group : (card.group + 1) % 8,
                                        answer.right, answer.answerMs, {}},
                                       progress));
            }
            const PairCard& pair = PairDeck::instance().card(3);
            QVERIFY(history.record(PairAnswerRecord{answers.back().atMs + 1000, pair.order, pair.pairs.front(), 3,
                                                    verdictIndexOf(pair.verdict), true, 1800, {}},
                                   progress));
        }
        write(folder.filePath("answers.csv"), csvOf(answers) + QStringLiteral("\"%1\",%2,1,1800\n")
                                                                   .arg(QString::fromStdString(PairDeck::instance().keyOf(3)))
                                                                   .arg(answers.back().atMs + 1000));
        const QMap<QString, QByteArray> before = filesUnder(folder.filePath("data/kareto"));

        const Run own = kareto({"--memory-report"}, folder.path());
        QCOMPARE(own.status, 0);
        QCOMPARE(own.err, QString());
        QCOMPARE(filesUnder(folder.filePath("data/kareto")), before);
        QStringList keys{"answers", "held_out_answers", "log_loss_default", "rmse_bins_default", "log_loss_fitted",
                         "rmse_bins_fitted", "kept"};
        for (int k = 0; k <= 20; ++k)
            keys << QStringLiteral("w%1").arg(k);
        QCOMPARE(keysOf(own.out), keys);
        QVERIFY(own.out.startsWith(QStringLiteral("answers\t%1\n").arg(answers.size() + 1)));
        QVERIFY(own.out.contains("\nkept\tyes\n"));  // a forgetful player is far from the defaults

        const Run csv = kareto({"--memory-report", "--answers", "answers.csv"}, folder.path());
        QCOMPARE(csv.status, 0);
        QCOMPARE(csv.out, own.out);

        // Once a fit is kept its weights are the current ones, which the fit must beat.
        {
            DrillHistory history(database, QString());
            MemoryFit fit;
            fit.weights = MemoryModel::kDefaultWeights;
            fit.weights[20] = 0.4;
            fit.currentWeights = MemoryModel::kDefaultWeights;
            fit.kept = true;
            QVERIFY(history.recordFit({1, fit}, history.load(0)));
        }
        const Run again = kareto({"--memory-report"}, folder.path());
        QCOMPARE(again.status, 0);
        QVERIFY2(again.out.contains("\nlog_loss_current\t") && again.out.contains("\nrmse_bins_current\t"),
                 qPrintable(again.out));
    }

    // Rows in any order give the same report; a card is any name.
    void readsAnswersInAnyOrder()
    {
        QTemporaryDir folder;
        std::vector<CardAnswer> answers = someAnswers();
        write(folder.filePath("answers.csv"), csvOf(answers));
        std::reverse(answers.begin(), answers.end());
        QString reversed = csvOf(answers);
        reversed.replace(QStringLiteral("\"7:"), QStringLiteral("\"seven, "));
        write(folder.filePath("reversed.csv"), reversed);
        const Run inOrder = kareto({"--memory-report", "--answers", "answers.csv"}, folder.path());
        const Run backwards = kareto({"--memory-report", "--answers", "reversed.csv"}, folder.path());
        QCOMPARE(inOrder.status, 0);
        QCOMPARE(backwards.status, 0);
        QCOMPARE(backwards.out, inOrder.out);
        QVERIFY(!QDir(folder.filePath("data")).exists());
    }

    // One line a test answer, in the test's order: the recall the default
    // and the fitted weights predicted just before it; 0 for a card the
    // history never asked.
    void predictsEachTestAnswer()
    {
        QTemporaryDir folder;
        const std::vector<CardAnswer> answers = someAnswers();
        write(folder.filePath("answers.csv"), csvOf(answers));
        const std::int64_t later = answers.back().atMs + kMsPerDay;
        write(folder.filePath("test.csv"), kHeader + QStringLiteral("\"1:A\",%1,1,2000\nnever seen,%2,0,2000\n\"1:A\",%3,0,2000\n")
                                                         .arg(later + 5 * kMsPerDay)
                                                         .arg(later)
                                                         .arg(later));
        const Run run = kareto({"--memory-report", "--answers", "answers.csv", "--predict", "test.csv"}, folder.path());
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        for (int row = 0; row < 3; ++row) {
            const QStringList fields = lines[row].split(u'\t');
            QCOMPARE(fields.size(), 4);
            QCOMPARE(fields[0], QStringLiteral("predict"));
            QCOMPARE(fields[1].toInt(), row + 1);
            for (const QString& p : fields.mid(2)) {
                bool isNumber = false;
                const double recall = p.toDouble(&isNumber);
                QVERIFY(isNumber && recall >= 0 && recall <= 1);
            }
        }
        QCOMPARE(lines[1], QStringLiteral("predict\t2\t0\t0"));
        // Five days more to forget in: the first row was predicted lower than the third.
        QVERIFY(lines[0].section(u'\t', 2, 2).toDouble() < lines[2].section(u'\t', 2, 2).toDouble());
    }

    // A malformed row is named by its file and line; nothing is printed or written.
    void refusesMalformedRows_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("problem");
        const QString good = kHeader + "a,1000,1,2000\na,90000000,0,2500\n";
        QTest::newRow("another header") << "card,at,right,ms\na,1,1,1\n" << QString() << "'answers.csv' line 1: expected the header";
        QTest::newRow("a time not a number") << kHeader + "a,1000,1,2000\nb,soon,1,2000\n" << QString() << "'answers.csv' line 3: answered_at_ms";
        QTest::newRow("right neither 1 nor 0") << kHeader + "a,1000,2,2000\n" << QString() << "'answers.csv' line 2: right";
        QTest::newRow("a field missing") << kHeader + "\na,1000,1\n" << QString() << "'answers.csv' line 3:";
        QTest::newRow("a quote left open") << kHeader + "\"a,1000,1,2000\n" << QString() << "'answers.csv' line 2:";
        QTest::newRow("a bad test row") << good << kHeader + "a,100000000,1,2000\na,1e9,1,2000\n" << "'test.csv' line 3: answered_at_ms";
        QTest::newRow("a test answer before the history") << good << kHeader + "a,100000000,1,2000\na,5000,1,2000\n"
                                                          << "'test.csv' line 3: answered before";
    }

    void refusesMalformedRows()
    {
        QFETCH(QString, answers);
        QFETCH(QString, test);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        write(folder.filePath("answers.csv"), answers);
        QStringList arguments{"--memory-report", "--answers", "answers.csv"};
        if (!test.isEmpty()) {
            write(folder.filePath("test.csv"), test);
            arguments << "--predict" << "test.csv";
        }
        const QMap<QString, QByteArray> before = filesUnder(folder.path());
        const Run run = kareto(arguments, folder.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith("kareto: " + problem), qPrintable(run.err));
        QCOMPARE(filesUnder(folder.path()), before);
        QVERIFY(!QDir(folder.filePath("data")).exists());
    }

    void refusesWhatCannotBeRead_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no such file") << QStringList{"--memory-report", "--answers", "none.csv"} << 1
                                      << "kareto: cannot read 'none.csv'";
        QTest::newRow("answers alone") << QStringList{"--answers", "a.csv"} << 2 << "--answers goes with --memory-report only";
        QTest::newRow("twice") << QStringList{"--memory-report", "--answers", "a.csv", "--answers", "b.csv"} << 2
                               << "--answers is given more than once";
        QTest::newRow("with another command") << QStringList{"--memory-report", "--play", "10"} << 2 << "goes alone";
    }

    void refusesWhatCannotBeRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const Run run = kareto(arguments, folder.path());
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(problem), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestMemoryReportCommand)
#include "tst_memory_report_command.moc"
