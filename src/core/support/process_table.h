#pragma once

// Other programs on this machine, as /proc shows them: who holds a device open,
// and whether a program known to grab serial adapters runs.

#include <string>
#include <vector>

namespace orv {

struct ProcessInfo {
    int pid = 0;
    std::string name;  // the command name (/proc/PID/comm)
};

// The processes other than this one with a descriptor open on the file at path
// (compared after resolving links, so a link to a pseudo-terminal finds the
// holder of the terminal). Processes whose descriptors we may not read are not seen.
std::vector<ProcessInfo> processesHolding(const std::string& path, const std::string& procRoot = "/proc");

// The running processes whose command name is one of names.
std::vector<ProcessInfo> processesNamed(const std::vector<std::string>& names,
                                        const std::string& procRoot = "/proc");

}  // namespace orv
