#pragma once

#include "app/command.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the program is asked to do by its command line.
struct CommandLine {
    enum class Action { OpenWindows, Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::OpenWindows;
    CommandRun run;   // the command that opens no window
    QString problem;  // why the arguments are refused
};

// Reads the arguments, the program's name first. Qt's own options, such as
// -platform, are let through as the windows' business.
CommandLine readCommandLine(const QStringList& arguments);

// The program's options, for reading them and for the help text.
void describeOptions(QCommandLineParser& parser);

// "Usage: kareto [--export-table FILE [--left N] | --estimate-setting …]".
QString usageLine();

// The options that work without a display: "--export-table, --estimate-setting".
QString optionsWithoutDisplay();
