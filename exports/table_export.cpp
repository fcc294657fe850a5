#include "exports/table_export.h"

#include "exports/csv_export.h"
#include "exports/pdf_export.h"
#include "exports/png_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A write that stores less than asked (the last blocks of a full disk) sets
// no error; the next one, for the rest, fails with the system's reason.
bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Writes a file that appears only whole; a failure leaves an existing file as
// it was. Every file is drawn in memory first and reaches the disk the same
// way: unbuffered, each write's failure the system's own.
QString writeWholeFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

// The table in the format's bytes, or nothing when it could not be drawn.
std::optional<QByteArray> tableBytes(TableFormat format, int left, const ReelCellPictures& pictures)
{
    if (format == TableFormat::Csv)
        return reachMeTableCsv();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool drawn = format == TableFormat::Pdf ? writeReachMeTablePdf(buffer, pictures)
                                                  : reachMeTablePicture(left, pictures).save(&buffer, "PNG");
    if (!drawn)
        return std::nullopt;
    return bytes;
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
    const std::optional<QByteArray> bytes = tableBytes(format, left, pictures);
    if (!bytes)
        return QStringLiteral("the table could not be drawn");
    return writeWholeFile(fileName, *bytes);
}

QString writePairsCsv(const QString& fileName)
{
    return writeWholeFile(fileName, pairsCsvFile());
}
