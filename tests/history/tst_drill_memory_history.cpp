#include "core/drill/cards/card_deck.h"
#include "core/drill/memory/weight_bounds.h"
#include "core/evaluation/judgement.h"
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
    // A history of the earlier schema with one wrong answer to every card:
    // the program reads it as it was, and its first write brings every row
    // the right meaning of its pattern and the phase in words.
    void earlierRowsAreFilledAndDescribed()
    {
        QTemporaryDir data;
        const QString path = data.filePath("kareto.sqlite");
        const CardDeck& deck = CardDeck::instance();
        const Phase phases[] = {Phase::Learning, Phase::Review, Phase::Relearning};
        {
            HistoryDatabase earlier(path, earlierSchema());
            QVERIFY(earlier.write([&](Statements& sql) {
                for (int card = 0; card < deck.size(); ++card) {
                    const Pattern pattern = deck.card(card).patterns.back();
                    const int phase = static_cast<int>(phases[card % 3]);
                    const qint64 at = kNow - 1000 * (deck.size() - card);
                    const QString key = QString::fromStdString(deck.keyOf(card));
                    const QString wrong = QString::fromLatin1(kOutcomeGroups[(deck.card(card).group + 1) % 8].key.data());
                    if (!sql.run(QStringLiteral("INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered,"
                                                " is_right, answer_ms, phase, stability, difficulty, step, due_ms, answers,"
                                                " lapses) VALUES (?, ?, ?, ?, 0, 2500, ?, 0.2, 6.5, 0, ?, 1, 0)"),
                                 {at, QString::fromStdString(readOutOf(pattern)), key, wrong, phase, qint64{kNow + 60'000}})
                        || !sql.run(QStringLiteral("INSERT INTO drill_cards VALUES (?, ?, 0.2, 6.5, 0, ?, ?, 1, 0)"),
                                    {key, phase, at, qint64{kNow + 60'000}}))
                        return false;
                }
                return sql.run(QStringLiteral("INSERT INTO drill_progress VALUES (1, ?)"),
                               {QString::fromUtf8(progressToJson(Progress{}))});
            }));
        }
        DrillHistory history(path, QString());
        const std::vector<CardAnswer> answers = history.cardAnswers();
        QCOMPARE(answers.size(), std::size_t(deck.size()));
        for (int card = 0; card < deck.size(); ++card)
            QCOMPARE(answers[std::size_t(card)], (CardAnswer{card, kNow - 1000 * (deck.size() - card), false, 2500}));
        Progress progress = history.load(kNow);
        for (int card = 0; card < deck.size(); ++card)
            QCOMPARE(progress.cards[std::size_t(card)].phase, phases[card % 3]);  // read before any write

        const int asked = deck.cardOf({7, 14, 3});
        progress.cards[std::size_t(asked)] = afterAnswer(progress.cards[std::size_t(asked)], Grade::Good, kNow, 0.9);
        QVERIFY(history.record({kNow, {7, 14, 3}, asked, groupIndexOf(outcomeCodeOf({7, 14, 3})), true, 2000,
                                progress.cards[std::size_t(asked)]},
                               progress));
        QVERIFY(DrillHistory(path, QString()).load(kNow) == progress);

        RawFile raw(path);
        QSqlQuery rows = raw.run(QStringLiteral("SELECT pattern, right_group, phase, card FROM drill_answers ORDER BY id"));
        int count = 0;
        while (rows.next()) {
            const QStringList cells = rows.value(0).toString().split(u'-');
            const Pattern pattern{cells[0].toInt(), cells[1].toInt(), cells[2].toInt()};
            QCOMPARE(rows.value(1).toString(),
                     QString::fromLatin1(kOutcomeGroups[std::size_t(groupIndexOf(outcomeCodeOf(pattern)))].key.data()));
            const int card = deck.cardOfKey(rows.value(3).toString().toStdString());
            const char* const words[] = {"new", "learning", "review", "relearning"};
            const Phase phase = count < deck.size() ? phases[card % 3] : progress.cards[std::size_t(asked)].phase;
            QCOMPARE(rows.value(2).toString(), QLatin1String(words[static_cast<int>(phase)]));
            ++count;
        }
        QCOMPARE(count, deck.size() + 1);
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
        QCOMPARE(tables, (QStringList{"drill_answers", "drill_cards", "drill_memory_fits", "drill_progress", "timing_presses"}));
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
