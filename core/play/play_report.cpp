#include "core/play/play_report.h"

namespace play {

namespace {

// Keeps the presses apart from the lottery's draws.
constexpr std::uint64_t kPressStream = 0x9E3779B97F4A7C15;

}  // namespace

SessionCounts playAtRandom(std::int64_t games, const SessionSetup& setup)
{
    PlaySession session(setup);
    SeededRandom presses(setup.seed ^ kPressStream);
    for (std::int64_t game = 0; game < games; ++game) {
        session.start();
        for (const reel::Reel which : reel::kReels)
            session.stop(which, presses.between(1, reel::kPositions));
    }
    return session.counts();
}

std::string reportOf(const SessionCounts& counts)
{
    std::string report = "games_free\t" + std::to_string(counts.gamesFree) + "\n";
    for (const FlagCodes& flag : kFlagTable)
        report += "drawn\t" + std::string(flag.key) + "\t" + std::to_string(counts.drawn[int(flag.flag)]) + "\n";
    for (const FlagCodes& flag : kFlagTable) {
        for (int code = 0; code < kOutcomeCodeCount; ++code) {
            if (const std::int64_t shown = counts.shown[int(flag.flag)][code])
                report += "shown\t" + std::string(flag.key) + "\t" + codeAt(code) + "\t" + std::to_string(shown) + "\n";
        }
    }
    report += "lined\tbig\t" + std::to_string(counts.linedBig) + "\n";
    report += "lined\treg\t" + std::to_string(counts.linedReg) + "\n";
    return report;
}

}  // namespace play
