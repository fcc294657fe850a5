#include "app/command.h"

#include "app/estimate_setting_command.h"
#include "app/export_pairs_command.h"
#include "app/export_table_command.h"
#include "app/memory_report_command.h"
#include "app/pairs_command.h"
#include "app/play_command.h"

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {exportTableCommand(), estimateSettingCommand(), playCommand(),
                                               pairsCommand(),        exportPairsCommand(),     memoryReportCommand()};
    return all;
}
