#pragma once

#include <QString>

#include <optional>

class ReelCellPictures;

enum class TableFormat { Pdf, Csv, Png };

// The format a file name asks for by its extension, whatever its case.
std::optional<TableFormat> tableFormatOf(const QString& fileName);

// Writes the reach-me table to a file: all left positions for PDF and CSV,
// the one given for PNG. The file appears only whole; a failure leaves an
// existing file as it was. Answers why it failed, or nothing.
QString writeTable(const QString& fileName, TableFormat format, int left, const ReelCellPictures& pictures);

// Writes what every pair of both stop orders tells as CSV (pairsCsvFile), on
// the same terms.
QString writePairsCsv(const QString& fileName);
