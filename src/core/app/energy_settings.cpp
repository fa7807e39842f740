#include "app/energy_settings.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/app_messages.h"
#include "app/format_text.h"
#include "app/message_log.h"
#include "app/replace_file.h"
#include "app/settings_file.h"
#include "app/settings_text.h"

namespace orv {

namespace {

struct EnergyKey {
    const char* key;
    double EnergySettings::*slot;
};

constexpr EnergyKey kKeys[] = {
    {"Battery mAh", &EnergySettings::batteryMah}, {"Usable Percent", &EnergySettings::usablePercent},
    {"GPS Fix mAs", &EnergySettings::gpsFixMas},  {"Transmission mAs", &EnergySettings::transmissionMas},
    {"Sleep uA", &EnergySettings::sleepUa},
};

}  // namespace

bool parseEnergyValue(const std::string& text, double& value) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (*begin == '\0') return false;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(begin, &end);
    while (*end == ' ' || *end == '\t' || *end == '\r') ++end;
    if (*end != '\0' || errno == ERANGE || !std::isfinite(parsed) || parsed < 0) return false;
    value = parsed;
    return true;
}

EnergyEntry checkCapacityEntry(const std::string& text, bool percent) {
    EnergyEntry entry;
    entry.valid = parseEnergyValue(text, entry.value) && (!percent || entry.value <= 100);
    if (!entry.valid)
        entry.message = percent ? apptext::usablePercentRefused(text) : apptext::batteryCapacityRefused(text);
    return entry;
}

std::string energyValueText(double value) {
    return formatText("%.15g", value);
}

std::string completeEnergySettings(const std::string& settingsFile, bool createFile) {
    if (!createFile && ::access(settingsFile.c_str(), F_OK) != 0) return {};
    // A file that exists but cannot be read is never replaced.
    std::string original;
    if (!readWholeFile(settingsFile, original)) return {};
    std::string content = original;
    const EnergySettings defaults;
    for (const EnergyKey& entry : kKeys) {
        if (!findSetting(content, kEnergySection, entry.key, "").found)
            content =
                rewriteSetting(content, kEnergySection, entry.key, energyValueText(defaults.*entry.slot));
    }
    if (content == original || replaceFile(settingsFile, content) == 1) return {};
    return std::strerror(errno);
}

EnergySettings readEnergySettings(const std::string& settingsFile, MessageLog& log) {
    const std::string content = loadSettingsText(settingsFile);
    EnergySettings settings;
    for (const EnergyKey& entry : kKeys) {
        const SettingValue found = findSetting(content, kEnergySection, entry.key, "");
        if (!found.found) continue;  // not written yet: the default
        if (!parseEnergyValue(found.text, settings.*entry.slot)) {
            log.warning("%s", apptext::energyEntryIgnored(entry.key, kEnergySection, settingsFile,
                                                          energyValueText(settings.*entry.slot))
                                  .c_str());
        }
    }
    return settings;
}

int saveEnergyCapacity(const std::string& settingsFile, double batteryMah, double usablePercent) {
    std::string content;
    if (!readWholeFile(settingsFile, content)) return 0;
    content = rewriteSetting(content, kEnergySection, "Battery mAh", energyValueText(batteryMah));
    content = rewriteSetting(content, kEnergySection, "Usable Percent", energyValueText(usablePercent));
    return replaceFile(settingsFile, content);
}

}  // namespace orv
