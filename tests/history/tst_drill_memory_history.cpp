#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/drill/memory/weight_bounds.h"
#include "core/evaluation/judgement.h"
#include "core/pairs/pair_words.h"
#include "history/drill/drill_history.h"
#include "history/drill/drill_schema.h"
#include "history/drill/progress_format.h"
#include "history/timing/timing_schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kNow = 1'800'000'000'000;

// The history as the versions before the right meaning and the fits kept it.
std::vector<SchemaStep> earlierSchema()
{
    return {drillSchemaStep(), timingSchemaStep()};
}

// Runs `sql` on the file directly, as a player's sqlite3 would.
struct RawFile {
    QString name;
    QSqlDatabase db;

    explicit RawFile(const QString& path) : name(QStringLiteral("raw %1").arg(path))
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawFile()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlQuery run(const QString& sql)
    {
        QSqlQuery query(db);
        if (!query.exec(sql))
            qWarning() << query.lastError().text() << sql;
        return query;
    }
};

MemoryFitRecord someFit(bool kept, std::int64_t at, double w0)
{
    MemoryFit fit;
    fit.weights = MemoryModel::kDefaultWeights;
    fit.weights[0] = w0;
    fit.weights[20] = 0.1 + 1.0 / 3.0;  // no short decimal
    fit.currentWeights = MemoryModel::kDefaultWeights;
    fit.answers = 1200;
    fit.heldOutAnswers = 230;
    fit.defaults = {0.41, 0.08};
    fit.current = fit.defaults;
    fit.fitted = {kept ? 0.37 : 0.45, std::numeric_limits<double>::quiet_NaN()};
    fit.kept = kept;
    return {at, fit};
}

}  // namespace

// An answer as an earlier version kept it, wrong, with the right answer it
// should be given. Named outside the anonymous namespace, as the test's
// lambdas hold them.
struct OldRow {
    QString readOut;
    QString card;
    QString wrong;
    QString right;
};

namespace {

// One for every card of both decks, the main deck's first: a pattern of the
// card, and its meaning as the pattern's outcome code has it; a pair of the
// 2確目 card and its verdict.
std::vector<OldRow> oldRows()
{
    std::vector<OldRow> rows;
    const CardDeck& deck = CardDeck::instance();
    for (int card = 0; card < deck.size(); ++card) {
        const Pattern pattern = deck.card(card).patterns.back();
        const int group = groupIndexOf(outcomeCodeOf(pattern));
        rows.push_back({QString::fromStdString(readOutOf(pattern)), QString::fromStdString(deck.keyOf(card)),
                        QString::fromLatin1(kOutcomeGroups[std::size_t(group + 1) % 8].key.data()),
                        QString::fromLatin1(kOutcomeGroups[std::size_t(group)].key.data())});
    }
    const PairDeck& pairs = PairDeck::instance();
    for (int card = 0; card < pairs.size(); ++card) {
        const PairCard& pair = pairs.card(card);
        const int verdict = verdictIndexOf(pair.verdict);
        rows.push_back({QString::fromStdString(readOutOf(pair.order, pair.pairs.front())),
                        QString::fromStdString(pairs.keyOf(card)),
                        QString::fromLatin1(verdictKey(kPairVerdicts[std::size_t(verdict + 1) % 5]).data()),
                        QString::fromLatin1(verdictKey(pair.verdict).data())});
    }
    return rows;
}

bool sameFigure(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

void compareFits(const MemoryFitRecord& read, const MemoryFitRecord& written)
{
    QCOMPARE(read.fittedAtMs, written.fittedAtMs);
    QCOMPARE(read.fit.weights, written.fit.weights);
    QCOMPARE(read.fit.currentWeights, written.fit.currentWeights);
    QCOMPARE(read.fit.answers, written.fit.answers);
    QCOMPARE(read.fit.heldOutAnswers, written.fit.heldOutAnswers);
    QCOMPARE(read.fit.kept, written.fit.kept);
    for (const auto& [a, b] : {std::pair{read.fit.defaults, written.fit.defaults}, std::pair{read.fit.current, written.fit.current},
                               std::pair{read.fit.fitted, written.fit.fitted}}) {
        QVERIFY(sameFigure(a.logLoss, b.logLoss));
        QVERIFY(sameFigure(a.rmseBins, b.rmseBins));
    }
}

}  // namespace

// What the drill's history keeps for its reader and for the memory model:
// each answer's right meaning and phase in words, old rows included; the
// fits and the weights in use; the answers as the fit reads them.
class TestDrillMemoryHistory : public QObject {
    Q_OBJECT

private slots:
    // A history of the earlier schema with one wrong answer to every card of
    // both decks: the program reads it as it was, and its first write brings
    // every row the right answer of its pattern or pair and the phase in words.
    void earlierRowsAreFilledAndDescribed()
    {
        QTemporaryDir data;
        const QString path = data.filePath("kareto.sqlite");
        const std::vector<OldRow> rows = oldRows();
        const Phase phases[] = {Phase::Learning, Phase::Review, Phase::Relearning};
        const auto atOf = [&](std::size_t row) { return qint64{kNow - 1000 * static_cast<qint64>(rows.size() - row)}; };
        {
            HistoryDatabase earlier(path, earlierSchema());
            QVERIFY(earlier.write([&](Statements& sql) {
                for (std::size_t row = 0; row < rows.size(); ++row) {
                    const int phase = static_cast<int>(phases[row % 3]);
                    if (!sql.run(QStringLiteral("INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered,"
                                                " is_right, answer_ms, phase, stability, difficulty, step, due_ms, answers,"
                                                " lapses) VALUES (?, ?, ?, ?, 0, 2500, ?, 0.2, 6.5, 0, ?, 1, 0)"),
                                 {atOf(row), rows[row].readOut, rows[row].card, rows[row].wrong, phase, qint64{kNow + 60'000}})
                        || !sql.run(QStringLiteral("INSERT INTO drill_cards VALUES (?, ?, 0.2, 6.5, 0, ?, ?, 1, 0)"),
                                    {rows[row].card, phase, atOf(row), qint64{kNow + 60'000}}))
                        return false;
                }
                return sql.run(QStringLiteral("INSERT INTO drill_progress VALUES (1, ?)"),
                               {QString::fromUtf8(progressToJson(Progress{}))});
            }));
        }
        DrillHistory history(path, QString());
        const std::vector<CardAnswer> answers = history.cardAnswers();
        QCOMPARE(answers.size(), rows.size());
        for (std::size_t row = 0; row < rows.size(); ++row)
            QCOMPARE(answers[row], (CardAnswer{int(row), atOf(row), false, 2500}));  // the pair cards after the main ones
        Progress progress = history.load(kNow);
        const int mainCards = CardDeck::instance().size();
        for (std::size_t row = 0; row < rows.size(); ++row)  // read before any write
            QCOMPARE((int(row) < mainCards ? progress.cards[row] : progress.pairs.cards[row - mainCards]).phase, phases[row % 3]);

        const int asked = CardDeck::instance().cardOf({7, 14, 3});
        progress.cards[std::size_t(asked)] = afterAnswer(progress.cards[std::size_t(asked)], Grade::Good, kNow, 0.9);
        QVERIFY(history.record({kNow, {7, 14, 3}, asked, groupIndexOf(outcomeCodeOf({7, 14, 3})), true, 2000,
                                progress.cards[std::size_t(asked)]},
                               progress));
        const PairCard& pair = PairDeck::instance().card(5);
        progress.pairs.cards[5] = afterAnswer({}, Grade::Again, kNow, 0.9);
        QVERIFY(history.record(PairAnswerRecord{kNow, pair.order, pair.pairs.front(), 5, (verdictIndexOf(pair.verdict) + 1) % 5,
                                                false, 2000, progress.pairs.cards[5]},
                               progress));
        QVERIFY(DrillHistory(path, QString()).load(kNow) == progress);

        RawFile raw(path);
        QSqlQuery stored = raw.run(QStringLiteral("SELECT right_group, phase FROM drill_answers ORDER BY id"));
        const char* const words[] = {"new", "learning", "review", "relearning"};
        std::size_t row = 0;
        for (; stored.next(); ++row) {
            if (row < rows.size()) {
                QCOMPARE(stored.value(0).toString(), rows[row].right);
                QCOMPARE(stored.value(1).toString(), QLatin1String(words[static_cast<int>(phases[row % 3])]));
            } else {
                const bool pairAnswer = row > rows.size();
                QCOMPARE(stored.value(0).toString(),
                         QString::fromLatin1(pairAnswer ? verdictKey(pair.verdict).data()
                                                        : kOutcomeGroups[std::size_t(groupIndexOf(outcomeCodeOf({7, 14, 3})))].key.data()));
                const Phase phase = pairAnswer ? progress.pairs.cards[5].phase : progress.cards[std::size_t(asked)].phase;
                QCOMPARE(stored.value(1).toString(), QLatin1String(words[static_cast<int>(phase)]));
            }
        }
        QCOMPARE(row, rows.size() + 2);
        QSqlQuery phases2 = raw.run(QStringLiteral("SELECT DISTINCT phase FROM drill_cards ORDER BY phase"));
        QStringList cardPhases;
        while (phases2.next())
            cardPhases << phases2.value(0).toString();
        QCOMPARE(cardPhases, (QStringList{"learning", "relearning", "review"}));

        // The schema describes every column where sqlite3's .schema shows it.
        QSqlQuery schema = raw.run(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table'"));
        QStringList tables;
        while (schema.next()) {
            tables << schema.value(0).toString();
            const QStringList lines = schema.value(1).toString().split(u'\n');
            for (const QString& line : lines.mid(1, lines.size() - 2))
                QVERIFY2(line.contains(QLatin1String("-- ")) || line.contains(QLatin1String("rmse_bins_")),
                         qPrintable(schema.value(0).toString() + ": " + line));
        }
        tables.sort();
        QCOMPARE(tables, (QStringList{"drill_answers", "drill_cards", "drill_memory_fits", "drill_progress", "play_calls",
                                      "play_games", "play_sessions", "timing_presses"}));
    }

    // The latest fit tells when to fit again; the latest kept one the
    // weights in use, stored with every card's state replayed through them.
    void fitsAreKeptAndReadBack()
    {
        QTemporaryDir data;
        const QString path = data.filePath("kareto.sqlite");
        DrillHistory history(path, QString());
        Progress progress = history.load(kNow);
        QVERIFY(!history.storedFits().latest);

        const MemoryFitRecord rejected = someFit(false, kNow, 0.5);
        QVERIFY(history.recordFit(rejected, progress));
        StoredFits fits = history.storedFits();
        QVERIFY(fits.latest && !fits.inUse);
        compareFits(*fits.latest, rejected);

        const int card = CardDeck::instance().cardOf({7, 14, 3});
        progress.cards[std::size_t(card)] = afterAnswer({}, Grade::Again, kNow, 0.9);
        const MemoryFitRecord kept = someFit(true, kNow + 1, 0.75);
        QVERIFY(history.recordFit(kept, progress));
        const MemoryFitRecord later = someFit(false, kNow + 2, 1.5);
        QVERIFY(history.recordFit(later, progress));
        fits = DrillHistory(path, QString()).storedFits();
        compareFits(*fits.latest, later);
        compareFits(*fits.inUse, kept);
        QVERIFY(DrillHistory(path, QString()).load(kNow) == progress);

        // Weights a reader changed beyond their bounds are not used.
        {
            RawFile raw(path);
            raw.run(QStringLiteral("UPDATE drill_memory_fits SET weights = replace(weights, '0.75 ', '-3 ') WHERE kept = 1"));
        }
        fits = DrillHistory(path, QString()).storedFits();
        compareFits(*fits.latest, later);
        QVERIFY(!fits.inUse);

        QVERIFY(history.clear());
        fits = history.storedFits();
        QVERIFY(!fits.latest && !fits.inUse);
    }

    // A history only read gives its answers and fits and writes nothing.
    void readOnlyHistoryGivesAnswersAndKeepsNothing()
    {
        QTemporaryDir data;
        const QString path = data.filePath("kareto.sqlite");
        {
            DrillHistory history(path, QString());
            Progress progress = history.load(kNow);
            QVERIFY(history.record({kNow, {7, 14, 3}, CardDeck::instance().cardOf({7, 14, 3}), 0, false, 900, {}}, progress));
        }
        DrillHistory reader = DrillHistory::forReading(path);
        QCOMPARE(reader.cardAnswers().size(), std::size_t{1});
        QVERIFY(!reader.recordFit(someFit(true, kNow, 0.5), Progress{}));
        QVERIFY(!reader.storedFits().latest);
        QVERIFY(!DrillHistory::forReading(data.filePath("none.sqlite")).recordFit(someFit(true, kNow, 0.5), Progress{}));
        QVERIFY(!QFile::exists(data.filePath("none.sqlite")));
    }
};

QTEST_GUILESS_MAIN(TestDrillMemoryHistory)
#include "tst_drill_memory_history.moc"
