#include "app/startup.h"

#include <algorithm>

#include "app/format_text.h"
#include "app/int_text.h"
#include "app/settings_file.h"
#include "app/settings_text.h"

namespace orv {

AppSettings readAppSettings(const std::string& settingsFile) {
    const std::string content = loadSettingsText(settingsFile);
    AppSettings settings;
    settings.defaultDir = findSetting(content, "Files", "Default Dir", settings.defaultDir).text;
    settings.parameterDbPath = findSetting(content, "Files", "Parameter Db", kDefaultParameterDb).text;
    settings.passwordDbPath = findSetting(content, "Files", "Password Db", kDefaultPasswordDb).text;
    const std::string login = findSetting(content, "Startup", "Login", "0").text;
    settings.loginAtStartup = login.empty() ? '\0' : login.front();
    return settings;
}

std::string readArchivePath(const std::string& settingsFile) {
    return readSetting(settingsFile, "Files", "Archive Path", "").text;
}

std::vector<RangeEntry> readRangeEntries(const std::string& settingsFile) {
    const std::string content = loadSettingsText(settingsFile);
    const int count =
        std::clamp(intFromText(findSetting(content, "DataBase", "Years", "").text), 0, kMaxRangeEntries);
    std::vector<RangeEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        RangeEntry entry;
        entry.text = findSetting(content, "Files", formatText("Year%d", n), "").text;
        entry.parameterDbPath =
            findSetting(content, "Files", formatText("Parameter Db%d", n + 1), kDefaultParameterDb).text;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<int> readActiveTabs(const std::string& settingsFile, std::span<const char* const> keys) {
    const std::string content = loadSettingsText(settingsFile);
    std::vector<int> shown;
    shown.reserve(keys.size());
    for (const char* key : keys) {
        shown.push_back(intFromText(findSetting(content, "Active Tabs", key, formatText("%d", 1)).text));
    }
    return shown;
}

std::string readCurrentFirmware(const std::string& settingsFile) {
    return readSetting(settingsFile, "Firmware Version", "Current Fw Ver", "NotFound").text;
}

int writeCurrentFirmware(const std::string& settingsFile, const std::string& version) {
    return writeSetting(settingsFile, "Firmware Version", "Current Fw Ver", version);
}

}  // namespace orv
