#include "app/play_command.h"

#include "app/command_arguments.h"
#include "core/play/play_report.h"

#include <QCommandLineParser>

#include <limits>
#include <random>

namespace {

const QString kPlay = QStringLiteral("play");
const QString kSetting = QStringLiteral("setting");
const QString kSeed = QStringLiteral("seed");

// A billion games take minutes; more is a typing slip.
constexpr std::int64_t kMostGames = 1'000'000'000;

// The option's value, called `name`, as a whole number from low to high, or why not.
std::variant<std::int64_t, QString> wholeNumberOption(const QCommandLineParser& parser, const QString& option,
                                                      const QString& name, std::int64_t low, std::int64_t high)
{
    if (const QString twice = givenTwice(parser, option); !twice.isEmpty())
        return twice;
    return wholeNumber(parser.value(option), name, low, high);
}

CommandReading readPlay(const QCommandLineParser& parser)
{
    play::SessionSetup setup;
    const auto games = wholeNumberOption(parser, kPlay, QStringLiteral("GAMES"), 0, kMostGames);
    if (const QString* problem = std::get_if<QString>(&games))
        return *problem;
    if (parser.isSet(kSetting)) {
        const auto setting = wholeNumberOption(parser, kSetting, QStringLiteral("--setting"), 1, 6);
        if (const QString* problem = std::get_if<QString>(&setting))
            return *problem;
        setup.setting = static_cast<int>(std::get<std::int64_t>(setting));
    }
    if (parser.isSet(kSeed)) {
        const auto seed = wholeNumberOption(parser, kSeed, QStringLiteral("--seed"), 0, std::numeric_limits<std::int64_t>::max());
        if (const QString* problem = std::get_if<QString>(&seed))
            return *problem;
        setup.seed = static_cast<std::uint64_t>(std::get<std::int64_t>(seed));
    } else {
        setup.seed = std::random_device()();
    }
    return CommandRun([count = std::get<std::int64_t>(games), setup] {
        print(stdout, QString::fromStdString(play::reportOf(play::playAtRandom(count, setup))));
        return 0;
    });
}

}  // namespace

Command playCommand()
{
    return {{kPlay,
             QStringLiteral("Play GAMES games of the machine with a player who stops the reels at random moments, "
                            "and print the session's counts, tab-separated: games_free N, drawn FLAG N, "
                            "shown HELD CODE N, lined big|reg N."),
             QStringLiteral("GAMES")},
            {{kSetting, QStringLiteral("With --play: the setting in play, 1 to 6; drawn at random when left out."),
              QStringLiteral("N")},
             {kSeed, QStringLiteral("With --play: the seed of the lottery and the presses; the same seed plays the "
                                    "same games. Random when left out."),
              QStringLiteral("N")}},
            QStringLiteral("--play GAMES [--setting N] [--seed N]"),
            false,
            readPlay};
}
