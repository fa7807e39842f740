#include "app/data_directory.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace orv {

std::string chooseDataDirectory(const std::string& commandLine, const std::string& environment,
                                const std::string& home) {
    if (!commandLine.empty()) return commandLine;
    if (!environment.empty()) return environment;
    if (home.empty()) return {};
    return home + "/.local/share/Orv";
}

std::string enterDataDirectory(const std::string& path) {
    namespace fs = std::filesystem;
    if (path.empty()) return "no data folder: neither ORV_DATA_DIR nor HOME is set";
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        fs::create_directories(path, ec);
        if (ec) return "cannot create the data folder " + path + ": " + ec.message();
        // The databases hold password hashes and every configuration: the owner's only.
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace, ec);
    } else if (!fs::is_directory(path, ec)) {
        return "the data folder " + path + " is not a folder";
    }
    if (::chdir(path.c_str()) != 0) return "cannot enter the data folder " + path + ": " + std::strerror(errno);
    return {};
}

}  // namespace orv
