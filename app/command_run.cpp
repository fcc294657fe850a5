#include "app/command_run.h"

#include "app/command_arguments.h"
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr int kUsageError = 2;

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
        print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                          + QLatin1Char('\n'));
        return 0;
    case CommandLine::Action::Refuse:
        print(stderr, QStringLiteral("kareto: %1\n%2\n").arg(command.problem, usageLine()));
        return kUsageError;
    case CommandLine::Action::Run: return command.run();
    case CommandLine::Action::OpenWindows: break;
    }
    return 0;
}
