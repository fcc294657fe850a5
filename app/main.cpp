#include "app/command_arguments.h"
#include "app/command_line.h"
#include "app/command_run.h"
#include "app/platform_choice.h"
#include "app/program.h"
#include "ui/look.h"
#include "ui/message.h"
#include "ui/qt_translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
    ui::useJapaneseQtTexts();
    // Not the application's display name, which Qt would add to every window
    // title, the reel window's empty one too.
    ui::setProgramName(QStringLiteral("カレト職人養成マシーン"));
    // The program ends by its own quit button or close box, not because no
    // window happens to be showing between the notice and the reel window.
    QApplication::setQuitOnLastWindowClosed(false);
    Program program([] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
