#include "core/drill/memory/answer_csv.h"
#include "core/drill/memory/memory_report.h"
#include "core/drill/memory/prediction_figures.h"

#include <QtTest>

#include <string>

namespace {

constexpr std::int64_t kStart = 1'800'000'000'000;
constexpr std::int64_t kDay = 86'400'000;

AnswerFile read(const std::string& text, CardNames& cards)
{
    return readAnswerCsv(text, cards);
}

QStringList linesOf(const std::string& text)
{
    return QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::string row(const char* card, std::int64_t atMs, int right, int answerMs)
{
    return std::string(card) + ',' + std::to_string(atMs) + ',' + std::to_string(right) + ',' +
           std::to_string(answerMs) + '\n';
}

}  // namespace

// What the command line reads and prints for the memory model: answers from
// CSV text, the report of a fit, and the predictions of the default and the
// fitted weights.
class MemoryReportTest : public QObject {
    Q_OBJECT

private slots:
    // Rows in any order, names of any kind, the ends of lines and the marks
    // a spreadsheet leaves.
    void answersAreReadFromCsv()
    {
        CardNames cards;
        const AnswerFile file = read("\xEF\xBB\xBF"
                                     "card,answered_at_ms,right,answer_ms\r\n"
                                     "1-17-10,2000,1,1500\r\n"
                                     "\r\n"
                                     "\"BAR, 7\",1000,0,4001\r\n"
                                     "\"say \"\"ok\"\"\",1000,true,0\n"
                                     "1-17-10,500,false,2500",
            cards);
        QCOMPARE(file.errorLine, 0);
        const std::vector<CardAnswer> expected = {
            {0, 2000, true, 1500}, {1, 1000, false, 4001}, {2, 1000, true, 0}, {0, 500, false, 2500}};
        QCOMPARE(file.answers, expected);
        QCOMPARE(file.lines, (std::vector<int>{2, 4, 5, 6}));

        // A second file names the same cards by the same numbers.
        const AnswerFile more = read("card,answered_at_ms,right,answer_ms\nBAR, 7,1,1,1\nnew,1,1,1\n", cards);
        QCOMPARE(more.errorLine, 2);  // unquoted, "BAR, 7" makes five fields
        const AnswerFile again = read("card,answered_at_ms,right,answer_ms\n\"BAR, 7\",1,1,1\nnew,1,1,1\n", cards);
        QCOMPARE(again.answers[0].card, 1);
        QCOMPARE(again.answers[1].card, 3);

        QCOMPARE(read("card,answered_at_ms,right,answer_ms\n", cards).answers.size(), std::size_t{0});
    }

    // A malformed line stops the reading with its number and what is wrong,
    // and no answers.
    void aMalformedLineIsNamed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("error");
        const QString header = QStringLiteral("card,answered_at_ms,right,answer_ms\n");
        const QString good = QStringLiteral("a,1000,1,2000\n");
        QTest::newRow("nothing") << QString() << 1 << "expected the header";
        QTest::newRow("another header") << "card,at,right,ms\n" + good << 1 << "expected the header";
        QTest::newRow("too few fields") << header + good + "a,1000,1\n" << 3 << "expected 4 fields, found 3";
        QTest::newRow("too many fields") << header + "a,1000,1,2000,5\n" << 2 << "found 5";
        QTest::newRow("no card") << header + ",1000,1,2000\n" << 2 << "no name";
        QTest::newRow("time not a number") << header + "a,soon,1,2000\n" << 2 << "answered_at_ms";
        QTest::newRow("time before 1970") << header + "a,-5,1,2000\n" << 2 << "answered_at_ms";
        QTest::newRow("time too large") << header + "a,99999999999999999999,1,2000\n" << 2 << "answered_at_ms";
        QTest::newRow("time with a fraction") << header + "a,1000.5,1,2000\n" << 2 << "answered_at_ms";
        QTest::newRow("right neither") << header + good + good + "a,1000,yes,2000\n" << 4 << "right is not";
        QTest::newRow("answer time negative") << header + "a,1000,1,-1\n" << 2 << "answer_ms";
        QTest::newRow("answer time empty") << header + "a,1000,1,\n" << 2 << "answer_ms";
        QTest::newRow("answer time spaced") << header + "a,1000,1, 2000\n" << 2 << "answer_ms";
        QTest::newRow("quote left open") << header + "\"a,1000,1,2000\n" << 2 << "quote";
        QTest::newRow("text after a quote") << header + "\"a\"b,1000,1,2000\n" << 2 << "quote";
    }
    void aMalformedLineIsNamed()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, error);
        CardNames cards;
        const AnswerFile file = read(text.toStdString(), cards);
        QCOMPARE(file.errorLine, line);
        QVERIFY2(QString::fromStdString(file.error).contains(error), file.error.c_str());
        QVERIFY(file.answers.empty());
    }

    // The report's keys in their order, figures to six places, weights
    // exactly; the current weights' figures where they are not the
    // defaults; a figure without held-out predictions reads nan.
    void theReportListsTheFiguresAndTheWeights()
    {
        MemoryFit fit;
        fit.weights = MemoryModel::kDefaultWeights;
        fit.weights[20] = 0.3;
        fit.currentWeights = MemoryModel::kDefaultWeights;
        fit.answers = 1000;
        fit.heldOutAnswers = 180;
        fit.defaults = {0.3391234567, 0.072};
        fit.current = fit.defaults;
        fit.fitted = {0.321, 0.046};
        fit.kept = true;
        const QStringList lines = linesOf(memoryReportLines(fit));
        QCOMPARE(lines.size(), 7 + 21);
        QCOMPARE(lines.mid(0, 7), (QStringList{"answers\t1000", "held_out_answers\t180", "log_loss_default\t0.339123",
                                      "rmse_bins_default\t0.072000", "log_loss_fitted\t0.321000",
                                      "rmse_bins_fitted\t0.046000", "kept\tyes"}));
        QCOMPARE(lines[7], QStringLiteral("w0\t0.212"));
        QCOMPARE(lines[27], QStringLiteral("w20\t0.3"));

        fit.currentWeights = fit.weights;
        fit.current = {qQNaN(), qQNaN()};
        fit.kept = false;
        const QStringList withCurrent = linesOf(memoryReportLines(fit));
        QCOMPARE(withCurrent.size(), 9 + 21);
        QCOMPARE(withCurrent[4], QStringLiteral("log_loss_current\tnan"));
        QCOMPARE(withCurrent[5], QStringLiteral("rmse_bins_current\tnan"));
        QCOMPARE(withCurrent[8], QStringLiteral("kept\tno"));
    }

    // Each test answer in the test file's order, with the recall each set
    // of weights held just before it, after the history's answers and the
    // test's earlier ones; 0 for a card first met in the test.
    void predictionsFollowTheHistoryAndTheTest()
    {
        CardNames cards;
        const AnswerFile history = read("card,answered_at_ms,right,answer_ms\n" + row("b", kStart + 2 * kDay, 1, 2000) +
                                            row("a", kStart, 1, 2000) + row("b", kStart, 0, 3000) +
                                            row("a", kStart + 3 * kDay, 1, 1200),
            cards);
        const AnswerFile test = read("card,answered_at_ms,right,answer_ms\n" + row("a", kStart + 9 * kDay, 1, 2000) +
                                         row("c", kStart + 5 * kDay, 1, 2000) + row("a", kStart + 6 * kDay, 0, 2000),
            cards);

        const PredictionLines predicted = predictionLines(history, test);
        QCOMPARE(predicted.errorLine, 0);
        const QStringList lines = linesOf(predicted.lines);
        QCOMPARE(lines.size(), 3);

        // The default weights' predictions, replayed by hand in time order.
        std::vector<CardAnswer> replayed = inTimeOrder(history.answers);
        replayed.push_back(test.answers[1]);
        replayed.push_back(test.answers[2]);
        replayed.push_back(test.answers[0]);
        const std::vector<double> recalls = recallBeforeEach(replayed, MemoryModel());
        const std::vector<std::pair<int, double>> expected = {{1, recalls[6]}, {2, 0.0}, {3, recalls[5]}};
        for (int i = 0; i < 3; ++i) {
            const QStringList fields = lines[i].split(QLatin1Char('\t'));
            QCOMPARE(fields.size(), 4);
            QCOMPARE(fields[0], QStringLiteral("predict"));
            QCOMPARE(fields[1].toInt(), expected[static_cast<std::size_t>(i)].first);
            QCOMPARE(fields[2].toDouble(), expected[static_cast<std::size_t>(i)].second);
            QVERIFY(fields[3].toDouble() >= 0 && fields[3].toDouble() <= 1);
        }
        QVERIFY(recalls[6] > 0 && recalls[5] > recalls[6]);
        QCOMPARE(lines[1].split(QLatin1Char('\t'))[3], QStringLiteral("0"));

        // Without a history to fit, the fitted weights are the defaults.
        const QStringList alone = linesOf(predictionLines({}, test).lines);
        for (const QString& line : alone)
            QCOMPARE(line.split(QLatin1Char('\t'))[2], line.split(QLatin1Char('\t'))[3]);
    }

    void aTestAnswerBeforeItsHistoryIsNamed()
    {
        CardNames cards;
        const AnswerFile history =
            read("card,answered_at_ms,right,answer_ms\n" + row("a", kStart + 3 * kDay, 1, 2000), cards);
        const AnswerFile test = read("card,answered_at_ms,right,answer_ms\n" + row("b", kStart, 1, 2000) + "\n" +
                                         row("a", kStart + 3 * kDay, 1, 2000) + row("a", kStart + kDay, 1, 2000),
            cards);
        const PredictionLines predicted = predictionLines(history, test);
        QCOMPARE(predicted.errorLine, 5);
        QVERIFY(predicted.lines.empty());
        QVERIFY(!predicted.error.empty());
    }
};

QTEST_APPLESS_MAIN(MemoryReportTest)
#include "tst_memory_report.moc"
