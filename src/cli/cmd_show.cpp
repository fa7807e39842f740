// orvctl show: print the configuration, as text or as JSON.

#include <cstdio>

#include "cli.h"
#include "cli_messages.h"
#include "files/configuration_json.h"
#include "model/format_value.h"

namespace orv::cli {

namespace {

void printRows(std::span<const ParameterDefinition> table, const auto& values) {
    for (std::size_t row = 0; row < table.size(); ++row) {
        const auto name = rowName(table[row]);
        std::printf("%.*s = %s\n", static_cast<int>(name.size()), name.data(),
                    formatValue(values[row], table[row].kind).c_str());
    }
}

int runShow(Session& session, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("show", args.positional[0]));
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    const ParameterRecord& record = session.record;
    if (args.flag("json")) {
        std::fputs(configurationJson(record, false).c_str(), stdout);
        return kExitOk;
    }
    std::printf("[General]\n");
    printRows(generalDefinitions(), record.generalValues);
    for (int s = 1; s <= kSeasons; ++s) {
        std::printf("\n[Season %d]\n", s);
        printRows(seasonDefinitions(), record.seasonValues[static_cast<std::size_t>(s - 1)]);
    }
    std::printf("\n[Strings]\n");
    const auto strings = stringDefinitions();
    for (std::size_t row = 0; row < strings.size(); ++row) {
        const auto name = rowName(strings[row]);
        std::printf("%.*s = %s\n", static_cast<int>(name.size()), name.data(),
                    record.stringValues[row].c_str());
    }
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("show", runShow, {}, {"json"});

}  // namespace orv::cli
