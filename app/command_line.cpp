#include "app/command_line.h"

#include "app/command_arguments.h"

#include <QCommandLineParser>

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

// The options QGuiApplication and QApplication take for themselves: those
// with a value, then those without.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                       "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                       "display", "geometry", "style", "stylesheet", "qmljsdebugger",
                                       "dialogs", "fontengine"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

CommandLine refused(const QString& problem)
{
    return {CommandLine::Action::Refuse, {}, problem};
}

QString optionNames(const std::vector<QCommandLineOption>& options)
{
    QStringList names;
    for (const QCommandLineOption& option : options)
        names << QStringLiteral("--") + option.names().constFirst();
    return names.join(QStringLiteral(", "));
}

// The command whose option or companion is `option`, or null.
const Command* commandOf(const QString& option)
{
    for (const Command& command : commands()) {
        if (command.option.names().contains(option))
            return &command;
        for (const QCommandLineOption& companion : command.companions)
            if (companion.names().contains(option))
                return &command;
    }
    return nullptr;
}

CommandLine readCommand(const Command& command, const QCommandLineParser& parser)
{
    for (const QString& given : parser.optionNames()) {
        if (const Command* other = commandOf(given); other && other != &command)
            return refused(command.companions.empty()
                               ? QStringLiteral("--%1 goes alone.").arg(command.option.names().constFirst())
                               : QStringLiteral("--%1 goes alone, or with %2.")
                                     .arg(command.option.names().constFirst(), optionNames(command.companions)));
    }
    if (!command.takesArguments && !parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Unexpected argument '%1'.").arg(asGiven(parser.positionalArguments().constFirst())));
    const CommandReading reading = command.read(parser);
    if (const QString* problem = std::get_if<QString>(&reading))
        return refused(*problem);
    return {CommandLine::Action::Run, std::get<CommandRun>(reading), {}};
}

}  // namespace

void describeOptions(QCommandLineParser& parser)
{
    // Qt's own options are single-dash words such as -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "カレト職人養成マシーン: a trainer for reach-me patterns.\n"
        "Without options it opens its windows; with one of the options below it does its work without a window, "
        "and exits."));
    // Not Qt's help option, which would add a --help-all for Qt's options
    // that the program does not list.
    parser.addOption({{QStringLiteral("h"), kHelp}, QStringLiteral("Displays help on commandline options.")});
    parser.addVersionOption();
    for (const Command& command : commands()) {
        parser.addOption(command.option);
        for (const QCommandLineOption& companion : command.companions)
            parser.addOption(companion);
    }
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(markNegativeNumbers(arguments)))
        return refused(parser.errorText());
    if (parser.isSet(kHelp))
        return {CommandLine::Action::ShowHelp, {}, {}};
    if (parser.isSet(kVersion))
        return {CommandLine::Action::ShowVersion, {}, {}};
    for (const Command& command : commands())
        if (parser.isSet(command.option))
            return readCommand(command, parser);
    for (const QString& given : parser.optionNames())
        if (const Command* command = commandOf(given))
            return refused(QStringLiteral("--%1 goes with --%2 only.").arg(given, command->option.names().constFirst()));
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Unexpected argument '%1'.").arg(asGiven(parser.positionalArguments().constFirst())));
    return {};
}

QString usageLine()
{
    QStringList usages;
    for (const Command& command : commands())
        usages << command.usage;
    return QStringLiteral("Usage: kareto [%1]").arg(usages.join(QStringLiteral(" | ")));
}

QString optionsWithoutDisplay()
{
    std::vector<QCommandLineOption> options;
    for (const Command& command : commands())
        options.push_back(command.option);
    return optionNames(options);
}
