#pragma once

// The tables that ORV_CLI_COMMAND and ORV_CLI_SOURCE fill before main runs.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli.h"

namespace orv::cli {

struct CommandEntry {
    CommandFn run;
    std::set<std::string> options;
    std::set<std::string> flags;
};

struct SourceEntry {
    std::string option;
    SourceFn load;
};

std::map<std::string, CommandEntry>& commandTable();
std::vector<SourceEntry>& sourceTable();
// Options every command accepts (the configuration sources among them), and which take no value.
std::set<std::string>& commonOptions();
std::set<std::string>& commonFlags();

}  // namespace orv::cli
