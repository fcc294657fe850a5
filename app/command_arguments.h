#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <variant>

class QCommandLineParser;

// The arguments as the parser is to read them: a negative number such as
// -6000 is marked so that it is not taken for an option, and a count can then
// be refused for being negative.
QStringList markNegativeNumbers(const QStringList& arguments);

// An argument as the user typed it, its mark undone.
QString asGiven(const QString& argument);

// A whole number from `low` to `high` read from `text`, or why not, naming
// the number as `name`: "GAMES cannot be negative, not '-6000'.",
// "GAMES is too large: at most 1000000000.", "GAMES takes a whole number, not 'ten'."
std::variant<std::int64_t, QString> wholeNumber(const QString& text, const QString& name, std::int64_t low,
                                                std::int64_t high);

// Why an option that takes a value may not be given as it is: more than once.
// Empty when it is given once or not at all.
QString givenTwice(const QCommandLineParser& parser, const QString& option);

// The exit status of writing `fileName`: 0 when `failure` is empty, else 1
// after naming the file and the reason on standard error.
int writtenOrSaid(const QString& fileName, const QString& failure);

// Prints to standard output or error in the terminal's encoding.
void print(std::FILE* stream, const QString& text);
