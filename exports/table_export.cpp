#include "exports/table_export.h"

#include "exports/csv_export.h"
#include "exports/pdf_export.h"
#include "exports/png_export.h"

#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool written = false;
    switch (format) {
    case TableFormat::Pdf:
        written = writeReachMeTablePdf(file, pictures);
        break;
    case TableFormat::Csv: {
        const QByteArray csv = reachMeTableCsv();
        written = file.write(csv) == csv.size();
        break;
    }
    case TableFormat::Png:
        written = reachMeTablePicture(left, pictures).save(&file, "PNG");
        break;
    }
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("the data could not be written") : reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
