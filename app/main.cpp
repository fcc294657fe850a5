#include "app/command_arguments.h"
#include "app/command_line.h"
#include "app/command_run.h"
#include "app/platform_choice.h"
#include "app/program.h"
#include "app/window_setup.h"
#include "ui/look.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
    // A file that grows beyond the size the system allows then fails its
    // write with the system's reason (File too large), said like any other,
    // instead of the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // Names the data folder the drill keeps its progress in, and the program in --version.
    QCoreApplication::setApplicationName(QStringLiteral("kareto"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARETO_VERSION));
    const bool windows = opensWindows(argc, argv);
    if (!windows)
        useOffscreenPlatformUnlessChosen(argc, argv);
    else if (const QString missing = missingDisplay(argc, argv); !missing.isEmpty()) {
        print(stderr, QStringLiteral("kareto: no display (%1); %2 work without one\n").arg(missing, optionsWithoutDisplay()));
        return 1;
    }
    QApplication app(argc, argv);
    ui::useClassicLook();
    // The command line's help and messages are English throughout; Qt's own
    // texts turn Japanese only for the windows.
    if (!windows)
        return runCommand(readCommandLine(QCoreApplication::arguments()));
    setUpForWindows();
    Program program([] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
