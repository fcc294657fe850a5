#pragma once

#include <QCommandLineOption>
#include <QString>

#include <functional>
#include <variant>
#include <vector>

class QCommandLineParser;

// A command carried out without a window: what it prints or writes, and its
// exit status: 0 done, 1 it could not be done, 2 the arguments were refused.
using CommandRun = std::function<int()>;

// What the arguments ask of a command: its run, or why they are refused.
using CommandReading = std::variant<CommandRun, QString>;

// One of the program's commands that open no window and need no display.
struct Command {
    QCommandLineOption option;                  // the option that names it
    std::vector<QCommandLineOption> companions;  // options that go with it alone
    QString usage;                              // such as "--export-table FILE [--left N]"
    bool takesArguments = false;                 // whether words that are no option belong to it
    // Reads the arguments once its option is given.
    std::function<CommandReading(const QCommandLineParser&)> read;
};

// Every command, in the order the usage line and the help name them. A new
// command is a file of its own and one line here.
const std::vector<Command>& commands();
