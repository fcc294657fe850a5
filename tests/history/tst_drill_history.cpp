#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "history/drill/drill_history.h"
#include "history/drill/progress_format.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr std::int64_t kNow = 1'800'000'000'000;

// A card whose key is "7:" and its code, and another.
int someCard()
{
    return CardDeck::instance().cardOf({7, 14, 3});
}

// The pair card "9:left-center:BIG", of a pair the commentary names 左、中の２確目.
int somePairCard()
{
    return PairDeck::instance().cardOf(StopOrder::LeftCenter, {9, 13});
}

Progress someProgress()
{
    Progress progress;
    progress.score.total = {7, 4};
    progress.score.streak = 2;
    progress.score.byAnswer[0] = {3, 3};
    progress.score.byAnswer[7] = {4, 1};
    progress.cards.resize(static_cast<std::size_t>(CardDeck::instance().size()));
    progress.cards[static_cast<std::size_t>(someCard())] = {Phase::Review, {12.5, 4.25}, 0, kNow - 5 * kMsPerDay,
        kNow + 3 * kMsPerDay, 4, 1};
    progress.cards[static_cast<std::size_t>(CardDeck::instance().cardOf({21, 1, 21}))] = {Phase::Relearning,
        {0.75, 8.5}, 1, kNow - 60'000, kNow + 540'000, 7, 2};
    progress.day = {20833, 12, 5};
    progress.settings = {0.85, 20, 0};
    progress.pairs.score.total = {3, 2};
    progress.pairs.score.streak = 1;
    progress.pairs.score.byAnswer[verdictIndexOf(PairVerdict::Big)] = {1, 1};
    progress.pairs.score.byAnswer[verdictIndexOf(PairVerdict::Open)] = {2, 1};
    progress.pairs.cards.resize(static_cast<std::size_t>(PairDeck::instance().size()));
    progress.pairs.cards[static_cast<std::size_t>(somePairCard())] = {Phase::Review, {9.5, 6.5}, 0,
        kNow - 2 * kMsPerDay, kNow + 5 * kMsPerDay, 2, 0};
    progress.pairs.day = {20833, 2, 1};
    return progress;
}

// No progress at all, as a first load gives it.
Progress noProgress()
{
    Progress none;
    none.cards.resize(static_cast<std::size_t>(CardDeck::instance().size()));
    none.pairs.cards.resize(static_cast<std::size_t>(PairDeck::instance().size()));
    return none;
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// Progress as an earlier version kept it: five answers and two patterns due.
const QByteArray kFirstFormat = R"({"format": 1, "answered": 5, "right": 3, "streak": 1,
    "groups": {"big": {"answered": 2, "right": 2}, "reg": {"answered": 0, "right": 0},
               "br": {"answered": 0, "right": 0}, "reachNoStop": {"answered": 0, "right": 0},
               "noStop": {"answered": 0, "right": 0}, "small": {"answered": 0, "right": 0},
               "missOrBonus": {"answered": 0, "right": 0}, "miss": {"answered": 3, "right": 1}},
    "due": [{"pattern": [7, 14, 3], "dueAt": 9, "rightsInARow": 0},
            {"pattern": [4, 2, 2], "dueAt": 11, "rightsInARow": 1}]})";

// An answer to `card` at kNow, as the drill would record it with `progress`.
AnswerRecord answerTo(int card, const Progress& progress)
{
    const Card& shown = CardDeck::instance().card(card);
    return {kNow, shown.patterns.front(), card, shown.group, true, 1800, progress.cards[static_cast<std::size_t>(card)]};
}

// A history in a folder of its own, with drill.json beside it.
struct HistoryFixture {
    QTemporaryDir data;
    QString database = data.filePath("kareto/kareto.sqlite");
    QString oldProgress = data.filePath("kareto/drill.json");

    DrillHistory history() const { return DrillHistory(database, oldProgress); }
    QStringList files() const { return QDir(data.filePath("kareto")).entryList(QDir::Files); }
};

}  // namespace

// The drill's history: what it keeps of each answer and card, the progress
// taken over from drill.json, and what becomes of a database that cannot be
// used.
class TestDrillHistory : public QObject {
    Q_OBJECT

private slots:
    void recordedProgressComesBack()
    {
        HistoryFixture fixture;
        const Progress progress = someProgress();
        {
            DrillHistory history = fixture.history();
            QVERIFY(history.load(kNow) == noProgress());
            QVERIFY(!QFile::exists(fixture.database));  // loading writes nothing
            QVERIFY(!history.keep(progress));           // nor does a setting before any answer
            QVERIFY(!QFile::exists(fixture.database));
            QVERIFY(history.record(answerTo(someCard(), progress), progress));
        }
        DrillHistory again = fixture.history();
        QVERIFY(again.load(kNow) == progress);
        QVERIFY(!again.tookOverOldProgress());
        const std::vector<PastAnswer> answers = again.answersSince(kNow - 1);
        QCOMPARE(answers.size(), std::size_t{1});
        QCOMPARE(answers.front().answerMs, 1800);
        QVERIFY(answers.front().right);
        QVERIFY(again.answersSince(kNow + 1).empty());
    }

    // A 2確目 answer is a row among the others, under its read-out, its
    // card's key and its verdict's key; its card and score come back with
    // the patterns' own, the first answer storing every card, later ones
    // their own card alone.
    void pairAnswersAreKeptBesideTheOthers()
    {
        HistoryFixture fixture;
        Progress progress = someProgress();
        const int card = somePairCard();
        {
            DrillHistory history = fixture.history();
            history.load(kNow);
            QVERIFY(history.record(PairAnswerRecord{kNow, StopOrder::LeftCenter, {9, 13}, card,
                                                    verdictIndexOf(PairVerdict::Open), false, 2500,
                                                    progress.pairs.cards[static_cast<std::size_t>(card)]},
                                   progress));
            const int other = PairDeck::instance().cardOf(StopOrder::LeftRight, {7, 10});
            progress.pairs.cards[static_cast<std::size_t>(other)] = {Phase::Learning, {0.4, 7.0}, 1, kNow, kNow + 60'000,
                                                                    1, 0};
            progress.pairs.score.total = {4, 3};
            progress.pairs.score.byAnswer[verdictIndexOf(PairVerdict::Reg)] = {1, 1};
            QVERIFY(history.record(PairAnswerRecord{kNow + 1, StopOrder::LeftRight, {7, 10}, other,
                                                    verdictIndexOf(PairVerdict::Reg), true, 900,
                                                    progress.pairs.cards[static_cast<std::size_t>(other)]},
                                   progress));
        }
        DrillHistory again = fixture.history();
        QVERIFY(again.load(kNow) == progress);
        QCOMPARE(again.answersSince(0).size(), std::size_t{2});

        QSqlDatabase stored = QSqlDatabase::addDatabase("QSQLITE", "stored");
        stored.setDatabaseName(fixture.database);
        QVERIFY(stored.open());
        {
            QSqlQuery rows(stored);
            QVERIFY(rows.exec("SELECT pattern, card, group_answered, is_right FROM drill_answers ORDER BY id"));
            QStringList read;
            while (rows.next())
                read << QStringList{rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(),
                                    rows.value(3).toString()}
                            .join(' ');
            QCOMPARE(read, (QStringList{"9-13-? 9:left-center:BIG OPEN 0", "7-?-10 7:left-right:REG REG 1"}));
        }
        stored.close();
        QSqlDatabase::removeDatabase("stored");
    }

    // Progress kept before the 2確目 questions holds none of theirs.
    void progressWithoutPairsHasNoneAsked()
    {
        QJsonObject document = QJsonDocument::fromJson(progressToJson(someProgress())).object();
        QVERIFY(document.contains("pairs"));
        document.remove("pairs");
        Progress expected = someProgress();
        expected.pairs = noProgress().pairs;
        QVERIFY(progressFromJson(QJsonDocument(document).toJson(), kNow) == expected);
    }

    // Its score stays, the cards of its patterns are due now, the file is
    // left as it was, and once the first answer is kept the database rules.
    void firstFormatIsTakenOverOnce()
    {
        HistoryFixture fixture;
        QVERIFY(QDir().mkpath(fixture.data.filePath("kareto")));
        write(fixture.oldProgress, kFirstFormat);
        DrillHistory history = fixture.history();
        const Progress progress = history.load(kNow);
        QVERIFY(history.tookOverOldProgress());
        QCOMPARE(progress.score.total, (Tally{5, 3}));
        QCOMPARE(progress.score.streak, 1);
        QCOMPARE(progress.score.byAnswer[7], (Tally{3, 1}));
        const CardDeck& deck = CardDeck::instance();
        const int dueCards[] = {someCard(), deck.cardOf({4, 2, 2})};
        for (int card = 0; card < deck.size(); ++card) {
            const CardState& state = progress.cards[static_cast<std::size_t>(card)];
            const bool due = std::ranges::find(dueCards, card) != std::end(dueCards);
            QCOMPARE(state.phase != Phase::New, due);
            if (due)
                QCOMPARE(state.dueMs, kNow);
        }
        QCOMPARE(fixture.files(), QStringList{"drill.json"});

        QVERIFY(history.record(answerTo(dueCards[0], progress), progress));
        write(fixture.oldProgress, "changed later, never read again");
        DrillHistory again = fixture.history();
        QVERIFY(again.load(kNow) == progress);  // both cards, though one was answered
        QVERIFY(!again.tookOverOldProgress());
    }

    void clearForgetsEverything()
    {
        HistoryFixture fixture;
        QVERIFY(QDir().mkpath(fixture.data.filePath("kareto")));
        write(fixture.oldProgress, kFirstFormat);
        DrillHistory history = fixture.history();
        const Progress progress = history.load(kNow);
        QVERIFY(history.record(answerTo(someCard(), progress), progress));
        QVERIFY(history.clear());
        DrillHistory again = fixture.history();
        QVERIFY(again.load(kNow) == noProgress());
        QVERIFY(!again.tookOverOldProgress());
        QVERIFY(again.answersSince(0).empty());
        QCOMPARE(fileContents(fixture.oldProgress), kFirstFormat);
    }

    // Root writes anywhere it may, so the folder that cannot be made is one
    // under a regular file. The problem is said once.
    void unwritableFolderKeepsNothingAndSaysSoOnce()
    {
        QTemporaryDir data;
        write(data.filePath("kareto"), "a file where the folder would be");
        DrillHistory history(data.filePath("kareto/kareto.sqlite"), data.filePath("kareto/drill.json"));
        history.load(kNow);
        QVERIFY(!history.record(answerTo(someCard(), someProgress()), someProgress()));
        QCOMPARE(history.takeNewProblem().value_or(HistoryProblem{}).kind, HistoryProblem::Kind::FolderNotMade);
        QVERIFY(!history.record(answerTo(someCard(), someProgress()), someProgress()));
        QVERIFY(!history.takeNewProblem());
        QCOMPARE(fileContents(data.filePath("kareto")), QByteArray("a file where the folder would be"));
    }

    void foreignFileIsSetAsideAndTheDrillKeepsOn()
    {
        HistoryFixture fixture;
        QVERIFY(QDir().mkpath(fixture.data.filePath("kareto")));
        const QByteArray garbage("\x89PNG\r\n\x1a\n\0\0\xff\xfe garbage, not a database", 36);
        write(fixture.database, garbage);
        DrillHistory history = fixture.history();
        const Progress progress = someProgress();
        history.load(kNow);
        QVERIFY(history.record(answerTo(someCard(), progress), progress));
        QCOMPARE(fileContents(fixture.database + ".bad"), garbage);
        QVERIFY(fixture.history().load(kNow) == progress);
    }

    // A second copy holding the write lock: the answer is not kept, and what
    // was kept before stays whole.
    void lockedFileLosesNothingStored()
    {
        HistoryFixture fixture;
        const Progress progress = someProgress();
        {
            DrillHistory history = fixture.history();
            history.load(kNow);
            QVERIFY(history.record(answerTo(someCard(), progress), progress));
        }
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other copy");
            other.setDatabaseName(fixture.database);
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec("BEGIN EXCLUSIVE"));

            DrillHistory history = fixture.history();
            history.load(kNow);
            Progress changed = progress;
            changed.score.total = {8, 5};
            changed.score.byAnswer[0] = {4, 4};
            QVERIFY(!history.record(answerTo(someCard(), changed), changed));
            QCOMPARE(history.takeNewProblem().value_or(HistoryProblem{}).kind, HistoryProblem::Kind::InUse);
            QVERIFY(lock.exec("ROLLBACK"));
            other.close();
        }
        QSqlDatabase::removeDatabase("other copy");
        DrillHistory after = fixture.history();
        QVERIFY(after.load(kNow) == progress);
        QCOMPARE(after.answersSince(0).size(), std::size_t{1});
    }

    // Whatever is not whole, sound progress is refused.
    void unsoundProgressIsRefused_data()
    {
        QTest::addColumn<QByteArray>("contents");
        const QByteArray good = progressToJson(someProgress());
        QVERIFY(progressFromJson(good, kNow) == someProgress());
        QTest::newRow("cut short") << good.left(good.size() / 2);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("JSON of another shape") << QByteArray("[1, 2, 3]");
        // Sound progress with one thing changed.
        const struct {
            const char* row;
            const char* from;
            const char* to;
        } edits[] = {
            {"a newer version", "\"format\": 2", "\"format\": 3"},
            {"no version", "\"format\": 2,", ""},
            {"a card no grid has", "\"7:", "\"15:"},
            {"a difficulty off its scale", "\"difficulty\": 4.25", "\"difficulty\": 11"},
            {"a retention off its range", "\"retention\": 0.85", "\"retention\": 0.5"},
            {"totals that the groups do not add up to", "\"right\": 4", "\"right\": 5"},
            {"a count not whole", "\"streak\": 2", "\"streak\": 1.5"},
            {"a pair card no grid has", "\"9:left-center:BIG", "\"15:left-center:BIG"},
            {"a verdict's tally missing", "\"NOSTOP\"", "\"NONE\""},
            {"a pair day not whole", "\"reviews\": 2", "\"reviews\": 2.5"},
        };
        for (const auto& edit : edits) {
            QVERIFY2(good.contains(edit.from), edit.row);
            QTest::newRow(edit.row) << QByteArray(good).replace(edit.from, edit.to);
        }
        QTest::newRow("a first-format pattern off the reel") << QByteArray(kFirstFormat).replace("[7, 14, 3]", "[7, 14, 22]");
    }

    void unsoundProgressIsRefused()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(!progressFromJson(contents, kNow));
    }
};

QTEST_GUILESS_MAIN(TestDrillHistory)
#include "tst_drill_history.moc"
