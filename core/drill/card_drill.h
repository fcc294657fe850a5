#pragma once

#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/drill/memory/grade.h"
#include "core/drill/schedule/card_schedule.h"
#include "core/drill/score.h"
#include "core/random/seeded_random.h"

#include <cstdint>
#include <optional>
#include <vector>

// The most new cards a day the player can choose.
inline constexpr int kMostNewCardsADay = 500;

// What the player chose for the drill.
struct DrillSettings {
    double retention = kDefaultRetention;  // kLeastRetention..kMostRetention
    int newCardCap = 0;                    // new cards a day; 0 for no cap
    std::int64_t utcOffsetMs = 0;          // where the player's day starts, from UTC midnight

    friend bool operator==(const DrillSettings&, const DrillSettings&) = default;
};

// What an answer earned.
struct AnswerResult {
    bool right = false;
    int answer = 0;  // the right answer: the pattern's outcome group, the pair's verdict index
    Grade grade = Grade::Again;
    int card = 0;
    CardState after;  // the card's state after the answer
};

// The player's work on one day.
struct DayTally {
    std::int64_t day = 0;  // days since 1970 in the player's time
    int reviews = 0;       // answers to cards asked before
    int newCards = 0;      // cards asked for the first time

    friend bool operator==(const DayTally&, const DayTally&) = default;
};

// Today's work done and left: the reviews and new cards answered, and the
// cards due or new still to come today.
struct TodayCounts {
    int reviews = 0;
    int newCards = 0;
    int remaining = 0;
};

// The drill of a deck's cards: asks the card whose memory needs it most,
// takes the answer with the time it took, and keeps each card's memory and
// the score. Every question and answer takes the time (milliseconds since
// 1970, UTC) as an argument; the random choices come from the seed.
//
// The deck (CardDeck, PairDeck) names what its cards ask (Question, each on
// a left position) and how many answers there are (kAnswers), and gives its
// cards' grids, their questions on a left position and their right answer.
template <typename Deck>
class Drill {
public:
    using Asked = typename Deck::Question;
    using Score = ScoreOf<Deck::kAnswers>;

    // A question: a pattern or pair of a card.
    struct Question {
        Asked asked;
        int card = 0;
        bool caughtUp = false;  // nothing was due and no new card was left for today
    };

    // A card counts as learned once it is remembered this long.
    static constexpr double kLearnedStabilityDays = 7.0;

    Drill(std::uint64_t seed, std::int64_t nowMs);

    // Asks the next question: the due card of lowest recall first, then a
    // new card in teaching order, then, when caught up, the card closest to
    // being forgotten. A card with more than one question shows one it did
    // not show last.
    const Question& next(std::int64_t nowMs);
    const Question& current() const { return current_; }
    bool isAnswered() const { return answered_; }

    // Answers the current question (an index of the deck's answers),
    // `answerMs` after it was shown. The question must not be answered yet.
    AnswerResult answer(int answer, int answerMs, std::int64_t nowMs);

    // 1..21 asks only that left position; 0 asks them all. An unanswered
    // question that the filter leaves out is replaced.
    void setLeftFilter(int leftFilter, std::int64_t nowMs);
    int leftFilter() const { return leftFilter_; }

    void setSettings(const DrillSettings& settings) { settings_ = settings; }
    const DrillSettings& settings() const { return settings_; }

    // The weights the drill schedules with: the defaults unless fitted to
    // the player. The cards keep the memories they have; replaying the
    // history through the new weights (statesAfter) brings them along.
    void setMemoryModel(const MemoryModel& model) { memoryModel_ = model; }
    // Takes the cards' states (one per card) as they are, the question asked
    // staying: those replayed through new weights.
    void setStates(std::vector<CardState> states) { states_ = std::move(states); }
    const MemoryModel& memoryModel() const { return memoryModel_; }

    const Deck& deck() const { return deck_; }
    const Score& score() const { return score_; }
    const std::vector<CardState>& states() const { return states_; }
    const DayTally& dayTally() const { return dayTally_; }

    double retrievabilityOf(int card, std::int64_t nowMs) const;
    double recallADayLaterOf(int card, std::int64_t nowMs) const;
    int learnedCount() const;
    TodayCounts today(std::int64_t nowMs) const;
    std::int64_t dayOf(std::int64_t nowMs) const;

    // Continues from a saved state (one state per card of the deck) with a
    // new question.
    void restore(const Score& score, std::vector<CardState> states, const DayTally& dayTally, std::int64_t nowMs);
    void reset(std::int64_t nowMs);

private:
    bool passesFilter(int card) const;
    bool newCardAllowed(std::int64_t nowMs) const;
    int chooseCard(std::int64_t nowMs, bool& caughtUp) const;
    Asked chooseQuestion(int card);
    void rollDay(std::int64_t nowMs);

    const Deck& deck_;
    std::vector<int> teachingOrder_;
    SeededRandom random_;
    DrillSettings settings_;
    MemoryModel memoryModel_;
    Score score_;
    std::vector<CardState> states_;
    std::vector<std::optional<Asked>> lastShown_;  // by card; none while none was shown
    DayTally dayTally_;
    int leftFilter_ = 0;
    Question current_;
    bool answered_ = false;
};

// The drill of the patterns, each answered by its outcome group.
using CardDrill = Drill<CardDeck>;
// The drill of the pairs of two stopped reels (2確目), each answered by its verdict.
using PairDrill = Drill<PairDeck>;

extern template class Drill<CardDeck>;
extern template class Drill<PairDeck>;
