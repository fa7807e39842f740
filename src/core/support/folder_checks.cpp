// The data folder and the settings file in it.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "app/settings_file.h"
#include "support/doctor.h"
#include "support/support_messages.h"

namespace orv {

namespace {

// The settings the program reads at start-up that have a default; where one
// is absent the program quietly takes the default.
struct DefaultedSetting {
    const char* section;
    const char* key;
};
constexpr DefaultedSetting kDefaultedSettings[] = {
    {"Files", "Parameter Db"}, {"Files", "Password Db"}, {"Files", "Default Dir"},
    {"Files", "Archive Path"}, {"Startup", "Login"},     {"Firmware Version", "Current Fw Ver"},
};

// Whether a file can be made in the folder (the only test that also holds for
// read-only mounts and access lists); the reason when not.
std::string createProbeFile(const std::string& folder) {
    std::string pattern = folder + "/.orv-doctor-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    std::remove(name.data());
    return "";
}

}  // namespace

DoctorCheck checkDataFolder(const std::string& folder) {
    DoctorCheck check{doctortext::folderName(folder), CheckStatus::Ok, doctortext::kFolderWritable, ""};
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        // A folder behind one we may not enter is there, but out of reach.
        const bool missing = !error || error == std::errc::no_such_file_or_directory;
        check.status = CheckStatus::Failed;
        check.detail = missing ? doctortext::kFolderMissing : doctortext::folderNotWritable(error.message());
        check.fix = missing ? doctortext::folderMissingFix(folder) : doctortext::folderNotWritableFix(folder);
        return check;
    }
    if (const std::string reason = createProbeFile(folder); !reason.empty()) {
        check.status = CheckStatus::Failed;
        check.detail = doctortext::folderNotWritable(reason);
        check.fix = doctortext::folderNotWritableFix(folder);
    }
    return check;
}

DoctorCheck checkSettingsFile(const std::string& file) {
    DoctorCheck check{doctortext::settingsName(file), CheckStatus::Ok, doctortext::kSettingsComplete, ""};
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        check.status = CheckStatus::Warning;
        check.detail = doctortext::kSettingsAbsent;
        check.fix = doctortext::kSettingsAbsentFix;
        return check;
    }
    const bool readable = ::access(file.c_str(), R_OK) == 0;
    if (!readable || ::access(file.c_str(), W_OK) != 0) {
        check.status = CheckStatus::Failed;
        check.detail = readable ? doctortext::kSettingsNotWritable : doctortext::kSettingsUnreadable;
        check.fix = doctortext::settingsAccessFix(file);
        return check;
    }
    std::string absent;
    for (const DefaultedSetting& setting : kDefaultedSettings) {
        if (readSetting(file, setting.section, setting.key, "").found) continue;
        if (!absent.empty()) absent += ", ";
        absent += std::string("[") + setting.section + "] " + setting.key;
    }
    if (!absent.empty()) {
        check.status = CheckStatus::Warning;
        check.detail = doctortext::settingsDefaulted(absent);
        check.fix = doctortext::kSettingsDefaultedFix;
    }
    return check;
}

}  // namespace orv
