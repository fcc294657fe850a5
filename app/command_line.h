#pragma once

#include "core/setting_estimate/setting_estimate.h"
#include "exports/table_export.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the program is asked to do by its command line.
struct CommandLine {
    enum class Action { OpenWindows, ExportTable, EstimateSetting, ShowHelp, ShowVersion, Refuse };
    Action action = Action::OpenWindows;
    QString fileName;                     // the table to write
    TableFormat format = TableFormat::Png;
    int left = 7;                         // the left position of a PNG table
    setting_estimate::Counts counts;      // games, BIG and REG to estimate the setting from
    setting_estimate::PerSetting prior = setting_estimate::kEvenPrior;
    QString problem;                      // why the arguments are refused
};

// Reads the arguments, the program's name first. Qt's own options, such as
// -platform, are let through as the windows' business.
CommandLine readCommandLine(const QStringList& arguments);

// The program's options, for reading them and for the help text.
void describeOptions(QCommandLineParser& parser);

inline const QString kUsage =
    QStringLiteral("Usage: kareto [--export-table FILE [--left N] | --estimate-setting GAMES BIG REG [--prior WEIGHTS]]");
