#include "app/command_run.h"

#include "app/command_line.h"
#include "exports/table_export.h"
#include "windows/pieces/reel_cell_pictures.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kWriteFailure = 1;
constexpr int kUsageError = 2;

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int runCommand(const CommandLine& command)
{
    switch (command.action) {
    case CommandLine::Action::ShowHelp: {
        QCommandLineParser parser;
        describeOptions(parser);
        // The usage line names the program as its messages do, not by the path it was started by.
        QString help = parser.helpText();
        const qsizetype endOfUsage = help.indexOf(QLatin1Char('\n'));
        help.replace(0, endOfUsage, QStringLiteral("Usage: kareto [options]"));
        print(stdout, help);
        return 0;
    }
    case CommandLine::Action::ShowVersion:
        print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                          QLatin1Char('\n'));
        return 0;
    case CommandLine::Action::Refuse:
        print(stderr, QStringLiteral("kareto: %1\n%2\n").arg(command.problem, kUsage));
        return kUsageError;
    case CommandLine::Action::EstimateSetting: {
        // The counts were checked as the command line was read.
        const auto estimate = std::get<setting_estimate::Estimate>(setting_estimate::estimate(command.counts, command.prior));
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
    case CommandLine::Action::ExportTable:
        break;
    case CommandLine::Action::OpenWindows:
        return 0;
    }
    // No reel window lends its strips here: the table shows the design's.
    const QString failure =
        writeTable(command.fileName, command.format, command.left, ReelCellPictures::design());
    if (failure.isEmpty())
        return 0;
    print(stderr, QStringLiteral("kareto: cannot write '%1': %2\n").arg(command.fileName, failure));
    return kWriteFailure;
}
