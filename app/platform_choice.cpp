#include "app/platform_choice.h"

#include "app/command_line.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

bool platformChosen(int argc, char* argv[])
{
    for (const QString& argument : argumentsOf(argc, argv).mid(1)) {
        const QString option = argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
        if (option == QLatin1String("-platform") || option.startsWith(QLatin1String("-platform=")))
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

bool opensWindows(int argc, char* argv[])
{
    return readCommandLine(argumentsOf(argc, argv)).action == CommandLine::Action::OpenWindows;
}

void useOffscreenPlatformUnlessChosen(int argc, char* argv[])
{
    if (!platformChosen(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString missingDisplay(int argc, char* argv[])
{
    if (platformChosen(argc, argv) || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("DISPLAY is not set");
    // A local X server listens on a socket of its number; Qt would abort
    // without one rather than say so.
    static const QRegularExpression local(QStringLiteral("^(unix)?:([0-9]+)(\\.[0-9]+)?$"));
    const QRegularExpressionMatch number = local.match(display);
    if (number.hasMatch() && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + number.captured(2)))
        return QStringLiteral("no X server listens on DISPLAY %1").arg(display);
    return {};
}
