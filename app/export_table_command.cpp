#include "app/export_table_command.h"

#include "app/command_arguments.h"
#include "exports/table_export.h"
#include "windows/pieces/reel_cell_pictures.h"

#include <QCommandLineParser>

namespace {

const QString kExportTable = QStringLiteral("export-table");
const QString kLeft = QStringLiteral("left");
constexpr int kDefaultLeft = 7;

CommandReading readExportTable(const QCommandLineParser& parser)
{
    if (const QString twice = givenTwice(parser, kExportTable); !twice.isEmpty())
        return twice;
    const QString fileName = parser.value(kExportTable);
    const std::optional<TableFormat> format = tableFormatOf(fileName);
    if (!format)
        return QStringLiteral("'%1' names no table format: end it in .pdf, .csv or .png.").arg(fileName);
    std::int64_t left = kDefaultLeft;
    if (parser.isSet(kLeft)) {
        if (*format != TableFormat::Png)
            return QStringLiteral("--left chooses the left position of a .png table only; "
                                  ".pdf and .csv hold every left position.");
        if (const QString twice = givenTwice(parser, kLeft); !twice.isEmpty())
            return twice;
        const auto position = wholeNumber(parser.value(kLeft), QStringLiteral("--left"), 1, reel::kPositions);
        if (const QString* problem = std::get_if<QString>(&position))
            return *problem;
        left = std::get<std::int64_t>(position);
    }
    return CommandRun([fileName, format = *format, left] {
        // No reel window lends its strips here: the table shows the design's.
        return writtenOrSaid(fileName, writeTable(fileName, format, static_cast<int>(left), ReelCellPictures::design()));
    });
}

}  // namespace

Command exportTableCommand()
{
    return {{kExportTable,
             QStringLiteral("Write the reach-me table to FILE and exit without opening a window. The extension names "
                            "the format: .pdf (every left position, one A4 page each, then the pairs of each stop order), "
                            ".csv (all 9261 patterns) or "
                            ".png (one left position)."),
             QStringLiteral("FILE")},
            {{kLeft, QStringLiteral("The left reel position, 1 to 21, of a .png table; 7 when left out."),
              QStringLiteral("N")}},
            QStringLiteral("--export-table FILE [--left N]"),
            false,
            readExportTable};
}
