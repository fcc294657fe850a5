#pragma once

#include "core/drill/memory/card_answer.h"
#include "core/drill/memory/grade.h"
#include "core/drill/memory/memory_model.h"
#include "core/drill/schedule/card_schedule.h"

#include <cstdint>
#include <functional>
#include <queue>
#include <random>
#include <vector>

// A player whose memory follows FSRS-6 with weights of its own, drilled on
// the drill's schedule with the default weights: each day it answers every
// card due, learning steps included, and then a number of new cards. A
// card's recall is drawn from the player's own model; a right answer is
// fast, middling or slow, so that it earns Easy, Good or Hard as the drill
// grades it. It writes down every answer, as the history keeps them.
class FsrsLearner {
public:
    // A new pattern is sometimes known already, or guessed.
    static constexpr double kFirstRight = 0.4;
    static constexpr std::int64_t kStartMs = 1'800'000'000'000;

    // A player who forgets faster than the crowd the defaults were fitted to:
    // lower first stabilities, slower growth, a steeper forgetting curve.
    static MemoryWeights forgetful()
    {
        MemoryWeights w = MemoryModel::kDefaultWeights;
        w[0] = 0.05;
        w[1] = 0.3;
        w[2] = 0.8;
        w[3] = 3.0;
        w[8] = 1.2;
        w[20] = 0.5;
        return w;
    }

    FsrsLearner(const MemoryWeights& weights, std::uint64_t seed) : memory_(weights), random_(seed) {}

    // The answers of `days` days of drilling, `newCardsADay` new cards a day.
    std::vector<CardAnswer> drill(int days, int newCardsADay)
    {
        std::vector<CardAnswer> answers;
        for (int day = 0; day < days; ++day) {
            // Each day's work starts some time in the morning.
            std::int64_t now = kStartMs + day * kMsPerDay + 8 * 3'600'000 + between(0, 3 * 3'600'000);
            const std::int64_t dayEnd = kStartMs + (day + 1) * kMsPerDay;
            int newToday = 0;
            while (true) {
                int card = -1;
                if (!due_.empty() && due_.top().first <= now) {
                    card = due_.top().second;
                    due_.pop();
                } else if (newToday < newCardsADay) {
                    card = static_cast<int>(cards_.size());
                    cards_.emplace_back();
                    ++newToday;
                } else if (!due_.empty() && due_.top().first < dayEnd) {
                    now = due_.top().first;  // waits for a learning step
                    continue;
                } else {
                    break;
                }
                answers.push_back(answer(card, now));
                now += answers.back().answerMs + between(1000, 4000);
            }
        }
        return answers;
    }

private:
    struct Card {
        Memory memory;  // the player's own
        CardState state;  // the drill's
    };
    using Due = std::pair<std::int64_t, int>;

    CardAnswer answer(int card, std::int64_t now)
    {
        Card& c = cards_[static_cast<std::size_t>(card)];
        const bool seen = c.state.phase != Phase::New;
        const double days = static_cast<double>(now - c.state.lastAnswerMs) / kMsPerDay;
        const double recall = seen ? memory_.retrievability(days, c.memory.stability) : kFirstRight;
        const bool right = std::uniform_real_distribution<double>(0.0, 1.0)(random_) < recall;
        const int answerMs = right ? rightAnswerMs() : between(1000, 9000);
        const Grade grade = gradeOf(right, answerMs);
        c.memory = seen ? memory_.next(c.memory, days, grade) : memory_.first(grade);
        c.state = afterAnswer(c.state, grade, now, kDefaultRetention);
        due_.push({c.state.dueMs, card});
        return {card, now, right, answerMs};
    }

    // Mostly middling: Good; a quarter fast: Easy; some slow: Hard.
    int rightAnswerMs()
    {
        const int kind = between(0, 99);
        if (kind < 25)
            return between(700, kEasyWithinMs);
        if (kind < 85)
            return between(kEasyWithinMs + 1, kHardAfterMs);
        return between(kHardAfterMs + 1, 9000);
    }

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    MemoryModel memory_;
    std::mt19937_64 random_;
    std::vector<Card> cards_;
    std::priority_queue<Due, std::vector<Due>, std::greater<>> due_;
};
