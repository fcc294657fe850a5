#pragma once

#include "core/drill/daily_results.h"
#include "core/drill/memory/card_answer.h"
#include "core/drill/memory/memory_fit.h"
#include "core/drill/progress.h"
#include "history/history_store.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// One answer as the history keeps it.
struct AnswerRecord {
    std::int64_t atMs = 0;  // UTC
    Pattern pattern;
    int card = 0;
    int groupAnswered = 0;
    bool right = false;
    int answerMs = 0;
    CardState after;
};

// One answer to a 2確目 question as the history keeps it, beside the others.
struct PairAnswerRecord {
    std::int64_t atMs = 0;  // UTC
    StopOrder order = StopOrder::LeftCenter;
    StoppedPair pair;
    int card = 0;             // of the pair deck
    int verdictAnswered = 0;  // an index of kPairVerdicts
    bool right = false;
    int answerMs = 0;
    CardState after;
};

// One fit of the memory model as the history keeps it.
struct MemoryFitRecord {
    std::int64_t fittedAtMs = 0;  // UTC
    MemoryFit fit;
};

// The fits that tell the drill which weights to use and when to fit again.
struct StoredFits {
    std::optional<MemoryFitRecord> latest;  // kept or not
    std::optional<MemoryFitRecord> inUse;   // the latest kept; none while the defaults are in use
};

// The drill's part of the program's history database: every answer, each
// card's state and the progress besides. The drill.json that earlier versions
// kept is taken over while the database holds no drill progress, and is
// never changed. Nothing is written until the first answer is recorded.
class DrillHistory : public HistoryStore {
public:
    DrillHistory(QString databasePath, QString oldProgressPath,
                 HistoryDatabase::Access access = HistoryDatabase::Access::ReadWrite);

    // The database and drill.json in the program's data folder.
    static DrillHistory standard();
    // A history only read, that leaves its folder as it was: writes fail.
    static DrillHistory forReading(QString databasePath);

    // The stored progress, else that of drill.json (its patterns' cards due
    // at `nowMs`), else none. Read failures start afresh; a problem is said
    // through takeNewProblem.
    Progress load(std::int64_t nowMs);
    // True when the last load came from drill.json.
    bool tookOverOldProgress() const { return tookOver_; }

    // Keeps one answer and the progress after it, in one transaction. The
    // first record after a load stores every card, so that a taken-over
    // progress is stored whole. A 2確目 answer is kept among the others, its
    // read-out such as 7-12-?, its card's key such as 7:left-center:BIG and
    // its verdict's key as the answer. Each answer keeps the right one
    // beside it.
    bool record(const AnswerRecord& answer, const Progress& progress);
    bool record(const PairAnswerRecord& answer, const Progress& progress);

    // Keeps the progress alone (a setting changed), if any is stored yet.
    bool keep(const Progress& progress);

    // Keeps a fit of the memory model; a kept one with every card's state
    // (replayed through its weights) and the progress, in one transaction.
    bool recordFit(const MemoryFitRecord& record, const Progress& progress);

    // The latest fit and the latest one kept. A stored fit whose weights lie
    // outside FSRS-6's bounds is passed over.
    StoredFits storedFits();

    // Every answer to a card of either deck, as the memory model's fit reads
    // them: in time order, a main card numbered as its deck numbers it, a
    // 2確目 card after them (CardDeck's size plus its number in its deck).
    std::vector<CardAnswer> cardAnswers();

    // Forgets every answer, card and fit; the progress starts afresh and
    // drill.json is not taken over again.
    bool clear();

    // The answers since `sinceMs`, oldest first.
    std::vector<PastAnswer> answersSince(std::int64_t sinceMs);

    // The results of the days `firstDay` to `lastDay`, only those with
    // answers, oldest first; days start `utcOffsetMs` from UTC's midnight.
    // Summed up by the database, so that a long history is not read whole.
    std::vector<DayResult> daysFrom(std::int64_t firstDay, std::int64_t lastDay, std::int64_t utcOffsetMs);

private:
    // The answer's row and the cards after it.
    struct Row {
        std::int64_t atMs;
        QString readOut;
        QString card;
        QString answered;
        QString rightAnswer;
        bool right;
        int answerMs;
        const CardState& after;
    };
    bool recordRow(const Row& row, const Progress& progress);
    std::optional<Progress> readStored();
    std::optional<Progress> readOld(std::int64_t nowMs) const;

    QString oldProgressPath_;
    bool tookOver_ = false;
    bool stored_ = false;        // the database holds drill progress
    bool storeAllCards_ = true;  // the next record writes every card
};
