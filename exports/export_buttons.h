#pragma once

#include "exports/table_export.h"

#include <QString>
#include <QWidget>

#include <functional>

class ReelCellPictures;

// The table window's three ways out: PDF, CSV and PNG. Each asks for a file
// name, writes the table, and says how it went: a failure in a message box
// naming the file and the reason, a success through `report`.
class ExportButtons : public QWidget {
    Q_OBJECT

public:
    ExportButtons(const ReelCellPictures& pictures, std::function<int()> leftPosition,
                  std::function<void(const QString&)> report, QWidget* parent = nullptr);

private:
    void exportAs(TableFormat format);
    QString askFileName(TableFormat format);

    const ReelCellPictures& pictures_;
    std::function<int()> leftPosition_;
    std::function<void(const QString&)> report_;
    QString folder_;  // where the last file went, for the next one
};
