#include "app/table_export_buttons.h"

#include "exports/export_buttons.h"
#include "windows/reach_me_table/reach_me_table_window.h"

QWidget* exportButtonsFor(ReachMeTableWindow& table)
{
    return new ExportButtons(
        table.cellPictures(), [&table] { return table.leftPosition(); },
        [&table](const QString& report) { table.showStatus(report); }, &table);
}
