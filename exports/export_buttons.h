#pragma once

#include "exports/table_export.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class ReelCellPictures;

// The table window's ways out: the table as PDF, CSV and PNG, and the pairs
// of two stopped reels (2確目) as CSV. Each asks for a file name, writes the
// file, and says how it went: a failure in a message box naming the file and
// the reason, a success through `report`.
class ExportButtons : public QWidget {
    Q_OBJECT

public:
    ExportButtons(const ReelCellPictures& pictures, std::function<int()> leftPosition,
                  std::function<void(const QString&)> report, QWidget* parent = nullptr);

    // A button's file: the table in a format, or the pairs' CSV.
    struct Export {
        std::optional<TableFormat> format;  // none for the pairs
        const char* objectName;
        const char* caption;
        const char* filter;
        const char* suffix;
    };

private:
    void exportAs(const Export& text);
    QString askFileName(const Export& text);

    const ReelCellPictures& pictures_;
    std::function<int()> leftPosition_;
    std::function<void(const QString&)> report_;
    QString folder_;  // where the last file went, for the next one
};
