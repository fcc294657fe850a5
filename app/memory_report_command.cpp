#include "app/memory_report_command.h"

#include "app/command_arguments.h"
#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/drill/memory/memory_report.h"
#include "history/drill/drill_history.h"

#include <QCommandLineParser>
#include <QFile>

#include <optional>

namespace {

const QString kMemoryReport = QStringLiteral("memory-report");
const QString kAnswers = QStringLiteral("answers");
const QString kPredict = QStringLiteral("predict");

constexpr int kRefused = 2;
constexpr int kNotDone = 1;

// Says which line of `fileName` is malformed and why; the exit status.
int refusedAt(const QString& fileName, int line, const std::string& error)
{
    print(stderr, QStringLiteral("kareto: '%1' line %2: %3\n").arg(fileName).arg(line).arg(QString::fromStdString(error)));
    return kRefused;
}

// The answers of a CSV file, or the exit status after saying why not: 1
// when the file cannot be read, 2 at its first malformed line.
std::variant<AnswerFile, int> readAnswerFile(const QString& fileName, CardNames& cards)
{
    QFile file(fileName);
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        print(stderr, QStringLiteral("kareto: cannot read '%1': %2\n").arg(fileName, file.errorString()));
        return kNotDone;
    }
    AnswerFile answers = readAnswerCsv(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), cards);
    if (answers.errorLine > 0)
        return refusedAt(fileName, answers.errorLine, answers.error);
    return answers;
}

// The player's own answers to both decks' cards, only read: the cards named
// by their keys, as a CSV file of them would name them.
struct PlayersAnswers {
    AnswerFile answers;
    MemoryWeights inUse = MemoryModel::kDefaultWeights;
};

std::variant<PlayersAnswers, int> readPlayersAnswers(CardNames& cards)
{
    DrillHistory history = DrillHistory::forReading(HistoryDatabase::standardPath());
    PlayersAnswers players;
    const int mainCards = CardDeck::instance().size();
    for (const CardAnswer& answer : history.cardAnswers()) {
        const int card = cards.numberOf(answer.card < mainCards ? CardDeck::instance().keyOf(answer.card)
                                                                : PairDeck::instance().keyOf(answer.card - mainCards));
        players.answers.answers.push_back({card, answer.atMs, answer.right, answer.answerMs});
    }
    if (const std::optional<MemoryFitRecord> inUse = history.storedFits().inUse)
        players.inUse = inUse->fit.weights;
    if (const std::optional<HistoryProblem> problem = history.takeNewProblem()) {
        print(stderr, QStringLiteral("kareto: cannot read the drill's history: %1\n").arg(describedForTerminal(*problem)));
        return kNotDone;
    }
    return players;
}

int report(const QString& answersFile, const QString& testFile)
{
    CardNames cards;
    PlayersAnswers history;
    if (answersFile.isEmpty()) {
        auto read = readPlayersAnswers(cards);
        if (const int* status = std::get_if<int>(&read))
            return *status;
        history = std::move(std::get<PlayersAnswers>(read));
    } else {
        auto read = readAnswerFile(answersFile, cards);
        if (const int* status = std::get_if<int>(&read))
            return *status;
        history.answers = std::move(std::get<AnswerFile>(read));
    }
    if (testFile.isEmpty()) {
        print(stdout, QString::fromStdString(memoryReportLines(fitMemoryModel(history.answers.answers, history.inUse))));
        return 0;
    }
    auto test = readAnswerFile(testFile, cards);
    if (const int* status = std::get_if<int>(&test))
        return *status;
    const PredictionLines lines = predictionLines(history.answers, std::get<AnswerFile>(test));
    if (lines.errorLine > 0)
        return refusedAt(testFile, lines.errorLine, lines.error);
    print(stdout, QString::fromStdString(lines.lines));
    return 0;
}

CommandReading readMemoryReport(const QCommandLineParser& parser)
{
    for (const QString& option : {kAnswers, kPredict})
        if (const QString twice = givenTwice(parser, option); !twice.isEmpty())
            return twice;
    return CommandRun([answers = parser.value(kAnswers), test = parser.value(kPredict)] { return report(answers, test); });
}

}  // namespace

Command memoryReportCommand()
{
    return {{kMemoryReport,
             QStringLiteral("Fit the drill's memory model to your answers, only reading the drill's history, and print "
                            "key<TAB>value lines: answers, held_out_answers, log_loss_ and rmse_bins_ of the default, "
                            "the current (when fitted before) and the fitted weights on the latest fifth of the answers, "
                            "kept (yes or no) and the fitted weights w0 to w20.")},
            {{kAnswers,
              QStringLiteral("With --memory-report: read the answers from FILE instead, a CSV file with the header "
                             "card,answered_at_ms,right,answer_ms."),
              QStringLiteral("FILE")},
             {kPredict,
              QStringLiteral("With --memory-report: fit on all the answers and print, for each answer of TEST (the same "
                             "columns, answered after them) in its order, predict<TAB>ROW<TAB>P_DEFAULT<TAB>P_FITTED, "
                             "the recall the default and the fitted weights predicted just before it."),
              QStringLiteral("TEST")}},
            QStringLiteral("--memory-report [--answers FILE.csv] [--predict TEST.csv]"),
            false,
            readMemoryReport};
}
