#include "exports/table_export.h"

#include "exports/csv_export.h"
#include "exports/pdf_export.h"
#include "exports/png_export.h"

#include <QFileInfo>
#include <QSaveFile>

#include <functional>

namespace {

// Writes a file that appears only whole: `write` fills it and answers
// whether all went in; a failure leaves an existing file as it was.
QString writeWholeFile(const QString& fileName, const std::function<bool(QIODevice& file)>& write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("the data could not be written") : reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace

std::optional<TableFormat> tableFormatOf(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == QLatin1String("pdf"))
        return TableFormat::Pdf;
    if (extension == QLatin1String("csv"))
        return TableFormat::Csv;
    if (extension == QLatin1String("png"))
        return TableFormat::Png;
    return std::nullopt;
}

QString writeTable(const QString& fileName, TableFormat format, int left, const ReelCellPictures& pictures)
{
    return writeWholeFile(fileName, [&](QIODevice& file) {
        switch (format) {
        case TableFormat::Pdf:
            return writeReachMeTablePdf(file, pictures);
        case TableFormat::Csv: {
            const QByteArray csv = reachMeTableCsv();
            return file.write(csv) == csv.size();
        }
        case TableFormat::Png:
            break;
        }
        return reachMeTablePicture(left, pictures).save(&file, "PNG");
    });
}

QString writePairsCsv(const QString& fileName)
{
    return writeWholeFile(fileName, [](QIODevice& file) {
        const QByteArray csv = pairsCsvFile();
        return file.write(csv) == csv.size();
    });
}
