#include "cli_registry.h"

namespace orv::cli {

std::map<std::string, CommandEntry>& commandTable() {
    static std::map<std::string, CommandEntry> table;
    return table;
}

std::vector<SourceEntry>& sourceTable() {
    static std::vector<SourceEntry> table;
    return table;
}

std::set<std::string>& commonOptions() {
    static std::set<std::string> options{"firmware", "set", "raw", "yes", "no", "help", "write-settings"};
    return options;
}

std::set<std::string>& commonFlags() {
    static std::set<std::string> flags{"yes", "no", "help", "write-settings"};
    return flags;
}

CommandRegistrar::CommandRegistrar(const char* name, CommandFn run,
                                   std::initializer_list<const char*> options,
                                   std::initializer_list<const char*> flags) {
    CommandEntry entry{std::move(run), {}, {}};
    for (const char* o : options) entry.options.insert(o);
    for (const char* f : flags) {
        entry.options.insert(f);
        entry.flags.insert(f);
    }
    commandTable()[name] = std::move(entry);
}

SourceRegistrar::SourceRegistrar(const char* option, SourceFn load,
                                 std::initializer_list<const char*> options) {
    sourceTable().push_back(SourceEntry{option, std::move(load)});
    commonOptions().insert(option);
    for (const char* o : options) commonOptions().insert(o);
}

}  // namespace orv::cli
