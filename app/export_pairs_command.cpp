#include "app/export_pairs_command.h"

#include "app/command_arguments.h"
#include "exports/table_export.h"

#include <QCommandLineParser>

namespace {

const QString kExportPairs = QStringLiteral("export-pairs");

CommandReading readExportPairs(const QCommandLineParser& parser)
{
    if (const QString twice = givenTwice(parser, kExportPairs); !twice.isEmpty())
        return twice;
    const QString fileName = parser.value(kExportPairs);
    // Only CSV is written: another extension is more likely a slip than a wish.
    if (tableFormatOf(fileName) != TableFormat::Csv)
        return QStringLiteral("'%1' names no CSV file: end it in .csv.").arg(fileName);
    return CommandRun([fileName] { return writtenOrSaid(fileName, writePairsCsv(fileName)); });
}

}  // namespace

Command exportPairsCommand()
{
    return {{kExportPairs,
             QStringLiteral("Write what the first two stopped reels tell, for both stop orders (882 pairs), to FILE as "
                            "CSV and exit without opening a window."),
             QStringLiteral("FILE")},
            {},
            QStringLiteral("--export-pairs FILE.csv"),
            false,
            readExportPairs};
}
