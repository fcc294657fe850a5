#include "app/pairs_command.h"

#include "app/command_arguments.h"
#include "core/pairs/pair_listing.h"
#include "core/pairs/pair_words.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const QString kPairs = QStringLiteral("pairs");

CommandReading readPairs(const QCommandLineParser& parser)
{
    if (const QString twice = givenTwice(parser, kPairs); !twice.isEmpty())
        return twice;
    const QString given = asGiven(parser.value(kPairs));
    const std::optional<StopOrder> order = stopOrderOfKey(given.toStdString());
    if (!order)
        return QStringLiteral("--pairs takes the stop order left-center or left-right, not '%1'.").arg(given);
    return CommandRun([order = *order] {
        // The lines are ASCII: written as they are.
        const std::string lines = pairsListing(order);
        return std::fwrite(lines.data(), 1, lines.size(), stdout) == lines.size() && std::fflush(stdout) == 0 ? 0 : 1;
    });
}

}  // namespace

Command pairsCommand()
{
    return {{kPairs,
             QStringLiteral("Print what the first two stopped reels tell, whatever the third brings, for every left "
                            "position and every center (left-center) or right (left-right) position, and exit without "
                            "opening a window: 441 lines LEFT, SECOND, VERDICT (BIG, REG, BONUS, OPEN or NOSTOP) and "
                            "the groups the third reel can still bring, tab-separated."),
             QStringLiteral("ORDER")},
            {},
            QStringLiteral("--pairs left-center|left-right"),
            false,
            readPairs};
}
