// orvctl schedule-text: the season schedule in words, one block per listed
// season: its number, its dates (or days), the GPS lines and, when
// transmissions are on, the transmitter lines.

#include <cstdio>

#include "cli.h"
#include "cli_messages.h"
#include "reports/schedule_table.h"

namespace orv::cli {

namespace {

void printColumn(const std::string& heading, const std::vector<std::string>& lines) {
    std::printf("%s:\n", heading.c_str());
    for (const auto& line : lines) std::printf("    %s\n", line.c_str());
}

int runScheduleText(Session& session, const Args& args) {
    if (!args.positional.empty())
        return usageError(clitext::takesNoArgument("schedule-text", args.positional[0]));
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    const ScheduleTable table = scheduleTable(session.record);
    bool first = true;
    for (const auto& row : table.rows) {
        if (!first) std::printf("\n");
        first = false;
        std::printf("%s %s\n", table.header[0].c_str(), row.columns[0].front().c_str());
        std::printf("%s: %s\n", table.header[1].c_str(), row.columns[1].front().c_str());
        printColumn(table.header[2], row.columns[2]);
        if (table.transmitterColumn) printColumn(table.header[3], row.columns[3]);
    }
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("schedule-text", runScheduleText, {});

}  // namespace orv::cli
