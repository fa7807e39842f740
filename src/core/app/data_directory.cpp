#include "app/data_directory.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/app_messages.h"

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
    if (path.empty()) return apptext::kNoDataFolder;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        fs::create_directories(path, ec);
        if (ec) return apptext::cannotCreateDataFolder(path, ec.message());
        // The databases hold password hashes and every configuration: the owner's only.
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace, ec);
    } else if (!fs::is_directory(path, ec)) {
        return apptext::dataFolderNotFolder(path);
    }
    if (::chdir(path.c_str()) != 0) return apptext::cannotEnterDataFolder(path, std::strerror(errno));
    return {};
}

}  // namespace orv
