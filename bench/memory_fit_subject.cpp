// The memory model's fit against players simulated with known weights: how
// long fitting 10,000 and 100,000 answers takes on one core (the time it
// took and the processor time it used, which a busy machine does not
// stretch), and how well the default and the fitted weights predict the
// answers held out. Prints key=value lines.
//     bench_memory_fit [answers ...]

#include "core/drill/memory/memory_fit.h"
#include "tests/drill/fsrs_learner.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

// Days of drilling, at 25 new cards a day, that give about `answers`.
std::vector<CardAnswer> answersOf(const MemoryWeights& weights, std::size_t answers)
{
    std::vector<CardAnswer> log = FsrsLearner(weights, 7).drill(400, 25);
    log.resize(std::min(log.size(), answers));
    return log;
}

double processorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void put(const std::string& key, double value)
{
    std::printf("%s=%.6g\n", key.c_str(), value);
    std::fflush(stdout);
}

void measure(const char* player, const MemoryWeights& weights, std::size_t answers)
{
    const std::vector<CardAnswer> log = answersOf(weights, answers);
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = processorSeconds();
    const MemoryFit fit = fitMemoryModel(log, MemoryModel::kDefaultWeights);
    const double processor = processorSeconds() - processorStart;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string key = std::string("memory_fit.") + player + "." + std::to_string(log.size());
    put(key + ".seconds", seconds);
    put(key + ".processor_seconds", processor);
    put(key + ".held_out", fit.heldOutAnswers);
    put(key + ".log_loss_default", fit.defaults.logLoss);
    put(key + ".log_loss_fitted", fit.fitted.logLoss);
    put(key + ".rmse_bins_default", fit.defaults.rmseBins);
    put(key + ".rmse_bins_fitted", fit.fitted.rmseBins);
    put(key + ".kept", fit.kept ? 1 : 0);
}

}  // namespace

int main(int argc, char* argv[])
{
    std::vector<std::size_t> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::strtoul(argv[i], nullptr, 10));
    if (sizes.empty())
        sizes = {10'000, 100'000};
    for (const std::size_t answers : sizes) {
        measure("forgetful", FsrsLearner::forgetful(), answers);
        measure("default", MemoryModel::kDefaultWeights, answers);
    }
    return 0;
}
