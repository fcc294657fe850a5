#include "app/platform_choice.h"

#include "app/command_line.h"

#include <QStringList>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

}  // namespace

bool opensWindows(int argc, char* argv[])
{
    return readCommandLine(argumentsOf(argc, argv)).action == CommandLine::Action::OpenWindows;
}

void useOffscreenPlatformUnlessChosen(int argc, char* argv[])
{
    for (const QString& argument : argumentsOf(argc, argv).mid(1)) {
        const QString option = argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
        if (option == QLatin1String("-platform") || option.startsWith(QLatin1String("-platform=")))
            return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
}
