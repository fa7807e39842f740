// orvctl completions: the words the shell's completion offers, one a line, so
// the completion script never keeps its own copy of commands, options,
// firmware texts or parameter keys.

#include <cstdio>
#include <set>
#include <string>

#include "cli.h"
#include "cli_messages.h"
#include "cli_registry.h"
#include "image/firmware_table.h"
#include "model/definitions.h"

namespace orv::cli {

namespace {

void printKeys(std::span<const ParameterDefinition> table, const char* suffix) {
    for (const ParameterDefinition& row : table) {
        const auto name = rowName(row);
        if (name.empty()) continue;
        std::printf("%.*s%s\n", static_cast<int>(name.size()), name.data(), suffix);
    }
}

int runCompletions(Session&, const Args& args) {
    const std::string what = args.positional.empty() ? "" : args.positional[0];
    if (what == "commands" && args.positional.size() == 1) {
        for (const auto& [name, entry] : commandTable()) std::printf("%s\n", name.c_str());
        return kExitOk;
    }
    if (what == "options" && args.positional.size() == 2) {
        const auto found = commandTable().find(args.positional[1]);
        if (found == commandTable().end()) return usageError(clitext::unknownCommand(args.positional[1], ""));
        std::set<std::string> names = commonOptions();
        names.insert(found->second.options.begin(), found->second.options.end());
        for (const std::string& name : names) std::printf("%s\n", name == "o" ? "-o" : ("--" + name).c_str());
        return kExitOk;
    }
    if (what == "firmware" && args.positional.size() == 1) {
        for (const FirmwareEntry& entry : firmwareTable())
            std::printf("%s\n", std::string(entry.version).c_str());
        return kExitOk;
    }
    if (what == "keys" && args.positional.size() == 1) {
        printKeys(generalDefinitions(), "");
        printKeys(seasonDefinitions(), "[*]");
        printKeys(stringDefinitions(), "");
        return kExitOk;
    }
    return usageError(clitext::kCompletionsNeedsWhat);
}

}  // namespace

ORV_CLI_COMMAND("completions", runCompletions, {});

}  // namespace orv::cli
