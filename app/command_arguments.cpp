#include "app/command_arguments.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

// A real minus sign, which no option begins with.
constexpr QChar kMinus = QChar(0x2212);

}  // namespace

QStringList markNegativeNumbers(const QStringList& arguments)
{
    static const QRegularExpression negative(QStringLiteral("^-[0-9][0-9.,]*$"));
    QStringList marked = arguments;
    for (qsizetype index = 1; index < marked.size(); ++index)
        if (negative.match(marked[index]).hasMatch())
            marked[index][0] = kMinus;
    return marked;
}

QString asGiven(const QString& argument)
{
    return argument.startsWith(kMinus) ? QLatin1Char('-') + argument.mid(1) : argument;
}

std::variant<std::int64_t, QString> wholeNumber(const QString& text, const QString& name, std::int64_t low,
                                                std::int64_t high)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const bool negative = text.startsWith(kMinus) || text.startsWith(QLatin1Char('-'));
    const QString shown = asGiven(text);
    if (!digits.match(negative ? text.mid(1) : text).hasMatch())
        return QStringLiteral("%1 takes a whole number, not '%2'.").arg(name, shown);
    bool fits = false;
    const std::int64_t value = text.mid(negative ? 1 : 0).toLongLong(&fits);
    if (negative && value != 0 && low >= 0)
        return QStringLiteral("%1 cannot be negative, not '%2'.").arg(name, shown);
    if (!fits || value > high)
        return QStringLiteral("%1 is too large: at most %2, not '%3'.").arg(name).arg(high).arg(shown);
    if ((negative ? -value : value) < low)
        return QStringLiteral("%1 is at least %2, not '%3'.").arg(name).arg(low).arg(shown);
    return negative ? -value : value;
}

QString givenTwice(const QCommandLineParser& parser, const QString& option)
{
    return parser.values(option).size() > 1 ? QStringLiteral("--%1 is given more than once.").arg(option) : QString();
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int writtenOrSaid(const QString& fileName, const QString& failure)
{
    if (failure.isEmpty())
        return 0;
    print(stderr, QStringLiteral("kareto: cannot write '%1': %2\n").arg(fileName, failure));
    return 1;
}
