#include "core/drill/memory/memory_model.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const std::array<double, 21>& w = MemoryModel::kDefaultWeights;

double decay()
{
    return w[20];
}

double factor()
{
    return std::pow(0.9, -1.0 / decay()) - 1.0;
}

double g(Grade grade)
{
    return static_cast<double>(grade);
}

double clampDifficulty(double difficulty)
{
    return std::clamp(difficulty, 1.0, 10.0);
}

}  // namespace

double MemoryModel::retrievability(double days, double stability)
{
    return std::pow(1.0 + factor() * std::max(days, 0.0) / stability, -decay());
}

double MemoryModel::intervalDays(double stability, double retention)
{
    return stability / factor() * (std::pow(retention, -1.0 / decay()) - 1.0);
}

double MemoryModel::initialDifficulty(Grade grade)
{
    return w[4] - std::exp(w[5] * (g(grade) - 1.0)) + 1.0;
}

Memory MemoryModel::first(Grade grade)
{
    return {std::max(w[static_cast<std::size_t>(grade) - 1], kLeastStability),
        clampDifficulty(initialDifficulty(grade))};
}

Memory MemoryModel::next(const Memory& memory, double days, Grade grade)
{
    const double s = memory.stability;
    const double d = memory.difficulty;
    const double change = -w[6] * (g(grade) - 3.0) * (10.0 - d) / 9.0;
    const double difficulty = clampDifficulty(w[7] * initialDifficulty(Grade::Easy) + (1.0 - w[7]) * (d + change));

    double stability;
    if (days < 1.0) {
        double growth = std::exp(w[17] * (g(grade) - 3.0 + w[18])) * std::pow(s, -w[19]);
        if (grade >= Grade::Good)
            growth = std::max(growth, 1.0);
        stability = s * growth;
    } else {
        const double r = retrievability(days, s);
        if (grade == Grade::Again) {
            stability = std::min(s, w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0) *
                                        std::exp(w[14] * (1.0 - r)));
        } else {
            const double hard = grade == Grade::Hard ? w[15] : 1.0;
            const double easy = grade == Grade::Easy ? w[16] : 1.0;
            stability = s * (std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1.0 - r)) - 1.0) *
                                    hard * easy +
                                1.0);
        }
    }
    return {std::max(stability, kLeastStability), difficulty};
}
