#include "app/estimate_setting_command.h"

#include "app/command_arguments.h"
#include "core/setting_estimate/setting_estimate.h"

#include <QCommandLineParser>

namespace {

const QString kEstimateSetting = QStringLiteral("estimate-setting");
const QString kPrior = QStringLiteral("prior");

// More games than anyone counts at a machine; a larger count is a typing slip.
constexpr std::int64_t kMostGames = 1'000'000'000;

int printEstimate(const setting_estimate::Counts& counts, const setting_estimate::PerSetting& prior)
{
    // The counts were checked as the command line was read.
    const auto estimate = std::get<setting_estimate::Estimate>(setting_estimate::estimate(counts, prior));
    QString lines;
    for (int s = 0; s < setting_odds::kSettings; ++s)
        lines += QStringLiteral("%1\t%2\t%3\t%4\n")
                     .arg(s + 1)
                     .arg(estimate.probability[s], 0, 'f', 4)
                     .arg(estimate.expectedBig[s], 0, 'f', 2)
                     .arg(estimate.expectedReg[s], 0, 'f', 2);
    print(stdout, lines);
    return 0;
}

CommandReading readEstimateSetting(const QCommandLineParser& parser)
{
    const QStringList numbers = parser.positionalArguments();
    if (numbers.size() != 3)
        return QStringLiteral("--estimate-setting takes three counts: GAMES BIG REG.");
    setting_estimate::Counts counts;
    const char* const names[] = {"GAMES", "BIG", "REG"};
    std::int64_t* const values[] = {&counts.games, &counts.big, &counts.reg};
    for (int i = 0; i < 3; ++i) {
        const auto count = wholeNumber(numbers[i], QLatin1String(names[i]), 0, kMostGames);
        if (const QString* problem = std::get_if<QString>(&count))
            return *problem;
        *values[i] = std::get<std::int64_t>(count);
    }
    setting_estimate::PerSetting prior = setting_estimate::kEvenPrior;
    if (parser.isSet(kPrior)) {
        if (const QString twice = givenTwice(parser, kPrior); !twice.isEmpty())
            return twice;
        const QStringList weights = parser.value(kPrior).split(u',');
        bool allNumbers = weights.size() == setting_odds::kSettings;
        for (int i = 0; allNumbers && i < setting_odds::kSettings; ++i)
            prior[i] = asGiven(weights[i].trimmed()).toDouble(&allNumbers);
        if (!allNumbers)
            return QStringLiteral("--prior takes six weights, one per setting, such as 1,1,1,1,2,2; not '%1'.")
                .arg(asGiven(parser.value(kPrior)));
    }
    const auto fault = setting_estimate::faultIn(counts, prior);
    if (std::holds_alternative<setting_estimate::Fault>(fault)) {
        switch (std::get<setting_estimate::Fault>(fault)) {
        case setting_estimate::Fault::NegativeCount: return QStringLiteral("A count cannot be negative.");
        case setting_estimate::Fault::MoreBonusesThanGames:
            return QStringLiteral("BIG and REG together cannot be more than the games played.");
        case setting_estimate::Fault::BadPrior:
            return QStringLiteral("--prior takes weights above 0, not '%1'.").arg(asGiven(parser.value(kPrior)));
        }
    }
    return CommandRun([counts, prior] { return printEstimate(counts, prior); });
}

}  // namespace

Command estimateSettingCommand()
{
    return {{kEstimateSetting,
             QStringLiteral("With three counts after it, GAMES BIG REG: print how likely each of the six settings is, "
                            "one line per setting, tab-separated: the setting, its probability (four decimals), the "
                            "BIG and the REG count expected in GAMES games (two decimals); exit without opening a "
                            "window.")},
            {{kPrior,
              QStringLiteral("With --estimate-setting: how likely each setting was thought before counting, six "
                             "weights above 0 separated by commas, such as 1,1,1,1,2,2; equal when left out."),
              QStringLiteral("WEIGHTS")}},
            QStringLiteral("--estimate-setting GAMES BIG REG [--prior WEIGHTS]"),
            true,
            readEstimateSetting};
}
