#pragma once

#include <span>
#include <string>
#include <vector>

namespace orv {

inline constexpr const char* kSettingsFileName = "Orv3.cfg";
inline constexpr const char* kDefaultParameterDb = "Orv3.mdb";
inline constexpr const char* kDefaultPasswordDb = "PWord.mdb";

// The application's settings for the whole run, as start-up reads them from the
// settings file (the record's own change state lives in the record, the user
// logged in in a LoggedInUser).
struct AppSettings {
    std::string parameterDbPath = kDefaultParameterDb;  // [Files] "Parameter Db", later the Range selection
    std::string passwordDbPath = kDefaultPasswordDb;    // [Files] "Password Db"
    std::string
        defaultDir;  // [Files] "Default Dir": first folder of the .ppf dialogs (none: the working folder)
    char loginAtStartup = '0';  // first character of [Startup] "Login"; '1' shows the login
};

// One entry of the main dialog's Range list: its text and its database file.
struct RangeEntry {
    std::string text;             // [Files] "Year%d", n from 0
    std::string parameterDbPath;  // [Files] "Parameter Db%d", n = entry index + 1
};

// The entries a Range list may have at most; a larger "Years" count is held here.
inline constexpr int kMaxRangeEntries = 1000;

// [Files] "Default Dir", "Parameter Db", "Password Db" and [Startup] "Login".
AppSettings readAppSettings(const std::string& settingsFile);

// [Files] "Archive Path" (empty when absent).
std::string readArchivePath(const std::string& settingsFile);

// [DataBase] "Years" entries of the Range list (none when absent or not positive).
std::vector<RangeEntry> readRangeEntries(const std::string& settingsFile);

// [Active Tabs], one integer per key given, in their order (1 = shown, the default).
std::vector<int> readActiveTabs(const std::string& settingsFile, std::span<const char* const> keys);

// [Firmware Version] "Current Fw Ver" ("NotFound" when absent), and its writer (1 on success).
std::string readCurrentFirmware(const std::string& settingsFile);
int writeCurrentFirmware(const std::string& settingsFile, const std::string& version);

}  // namespace orv
