#include "app/command_line.h"

#include <QCommandLineParser>

namespace {

const QString kExportTable = QStringLiteral("export-table");
const QString kLeft = QStringLiteral("left");
const QString kEstimateSetting = QStringLiteral("estimate-setting");
const QString kPrior = QStringLiteral("prior");

// The options QGuiApplication and QApplication take for themselves: those
// with a value, then those without.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                       "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                       "display", "geometry", "style", "stylesheet", "qmljsdebugger",
                                       "dialogs", "fontengine"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

CommandLine refused(const QString& problem)
{
    CommandLine command;
    command.action = CommandLine::Action::Refuse;
    command.problem = problem;
    return command;
}

// --estimate-setting GAMES BIG REG [--prior W1,W2,W3,W4,W5,W6]
CommandLine readSettingEstimate(const QCommandLineParser& parser)
{
    if (parser.isSet(kExportTable) || parser.isSet(kLeft))
        return refused(QStringLiteral("--estimate-setting goes alone, or with --prior."));
    const QStringList numbers = parser.positionalArguments();
    if (numbers.size() != 3)
        return refused(QStringLiteral("--estimate-setting takes three counts: GAMES BIG REG."));
    CommandLine command;
    command.action = CommandLine::Action::EstimateSetting;
    const char* const names[] = {"GAMES", "BIG", "REG"};
    std::int64_t* const counts[] = {&command.counts.games, &command.counts.big, &command.counts.reg};
    for (int i = 0; i < 3; ++i) {
        bool isNumber = false;
        *counts[i] = numbers[i].toLongLong(&isNumber);
        if (!isNumber)
            return refused(QStringLiteral("%1 takes a whole number, not '%2'.").arg(QLatin1String(names[i]), numbers[i]));
    }
    if (parser.isSet(kPrior)) {
        if (parser.values(kPrior).size() > 1)
            return refused(QStringLiteral("--prior is given more than once."));
        const QStringList weights = parser.value(kPrior).split(u',');
        bool allNumbers = weights.size() == setting_odds::kSettings;
        for (int i = 0; allNumbers && i < setting_odds::kSettings; ++i)
            command.prior[i] = weights[i].trimmed().toDouble(&allNumbers);
        if (!allNumbers)
            return refused(QStringLiteral("--prior takes six weights, one per setting, such as 1,1,1,1,2,2; not '%1'.")
                               .arg(parser.value(kPrior)));
    }
    const auto fault = setting_estimate::faultIn(command.counts, command.prior);
    if (std::holds_alternative<setting_estimate::Fault>(fault)) {
        switch (std::get<setting_estimate::Fault>(fault)) {
        case setting_estimate::Fault::NegativeCount: return refused(QStringLiteral("A count cannot be negative."));
        case setting_estimate::Fault::MoreBonusesThanGames:
            return refused(QStringLiteral("BIG and REG together cannot be more than the games played."));
        case setting_estimate::Fault::BadPrior:
            return refused(QStringLiteral("--prior takes weights above 0, not '%1'.").arg(parser.value(kPrior)));
        }
    }
    return command;
}

}  // namespace

void describeOptions(QCommandLineParser& parser)
{
    // Qt's own options are single-dash words such as -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "カレト職人養成マシーン: a trainer for reach-me patterns.\n"
        "Without options it opens its windows; with --export-table it writes the reach-me table, with\n"
        "--estimate-setting it prints how likely each setting is, and exits."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({kExportTable,
                      QStringLiteral("Write the reach-me table to FILE and exit without opening a window. The "
                                     "extension names the format: .pdf (every left position, one A4 page each), "
                                     ".csv (all 9261 patterns) or .png (one left position)."),
                      QStringLiteral("FILE")});
    parser.addOption({kLeft, QStringLiteral("The left reel position, 1 to 21, of a .png table; 7 when left out."),
                      QStringLiteral("N")});
    parser.addOption({kEstimateSetting,
                      QStringLiteral("With three counts after it, GAMES BIG REG: print how likely each of the six "
                                     "settings is, one line per setting, tab-separated: the setting, its probability "
                                     "(four decimals), the BIG and the REG count expected in GAMES games (two "
                                     "decimals); exit without opening a window.")});
    parser.addOption({kPrior,
                      QStringLiteral("With --estimate-setting: how likely each setting was thought before counting, "
                                     "six weights above 0 separated by commas, such as 1,1,1,1,2,2; equal when left out."),
                      QStringLiteral("WEIGHTS")});
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
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    CommandLine command;
    // Qt's parser offers --help-all beside --help; the program has no options of
    // Qt's own to add to it, so both print the same help.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        command.action = CommandLine::Action::ShowHelp;
        return command;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        command.action = CommandLine::Action::ShowVersion;
        return command;
    }
    if (parser.isSet(kEstimateSetting))
        return readSettingEstimate(parser);
    if (parser.isSet(kPrior))
        return refused(QStringLiteral("--prior goes with --estimate-setting only."));
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (!parser.isSet(kExportTable))
        return parser.isSet(kLeft) ? refused(QStringLiteral("--left goes with --export-table only.")) : command;
    if (parser.values(kExportTable).size() > 1)
        return refused(QStringLiteral("--export-table is given more than once."));

    command.action = CommandLine::Action::ExportTable;
    command.fileName = parser.value(kExportTable);
    const std::optional<TableFormat> format = tableFormatOf(command.fileName);
    if (!format)
        return refused(QStringLiteral("'%1' names no table format: end it in .pdf, .csv or .png.").arg(command.fileName));
    command.format = *format;
    if (parser.isSet(kLeft)) {
        if (command.format != TableFormat::Png)
            return refused(QStringLiteral("--left chooses the left position of a .png table only; "
                                          ".pdf and .csv hold every left position."));
        if (parser.values(kLeft).size() > 1)
            return refused(QStringLiteral("--left is given more than once."));
        bool isNumber = false;
        command.left = parser.value(kLeft).toInt(&isNumber);
        if (!isNumber || command.left < 1 || command.left > 21)
            return refused(QStringLiteral("--left takes a position from 1 to 21, not '%1'.").arg(parser.value(kLeft)));
    }
    return command;
}
