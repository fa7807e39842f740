#include "support/process_table.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace orv {

namespace {

namespace fs = std::filesystem;

// The numbered entries of the process folder.
std::vector<int> processIds(const std::string& procRoot) {
    std::vector<int> pids;
    std::error_code error;
    for (fs::directory_iterator it(procRoot, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() ||
            !std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); }))
            continue;
        pids.push_back(std::stoi(name));
    }
    std::sort(pids.begin(), pids.end());
    return pids;
}

std::string commandName(const std::string& procRoot, int pid) {
    std::ifstream in(procRoot + "/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

}  // namespace

std::vector<ProcessInfo> processesHolding(const std::string& path, const std::string& procRoot) {
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    if (error) return {};
    const int self = static_cast<int>(::getpid());
    std::vector<ProcessInfo> holders;
    for (const int pid : processIds(procRoot)) {
        if (pid == self) continue;
        const fs::path fdDir = procRoot + "/" + std::to_string(pid) + "/fd";
        std::error_code listError;
        for (fs::directory_iterator it(fdDir, listError), end; !listError && it != end;
             it.increment(listError)) {
            std::error_code linkError;
            const fs::path opened = fs::read_symlink(it->path(), linkError);
            if (!linkError && opened == target) {
                holders.push_back({pid, commandName(procRoot, pid)});
                break;
            }
        }
    }
    return holders;
}

std::vector<ProcessInfo> processesNamed(const std::vector<std::string>& names, const std::string& procRoot) {
    std::vector<ProcessInfo> found;
    for (const int pid : processIds(procRoot)) {
        const std::string name = commandName(procRoot, pid);
        if (std::find(names.begin(), names.end(), name) != names.end()) found.push_back({pid, name});
    }
    return found;
}

}  // namespace orv
